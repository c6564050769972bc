// The names of the 332 word segments, ids 0..331; ids 332..360 are empty.
// Every entry is the exact Windows-1252 byte string of the stored name. The
// pronunciation marks (bytes 0xA1..0xB4, see Marks.h) stand as separate
// escapes so that a letter after one is never read as part of the escape.

#include "core/catalogue/Catalogue.h"

namespace moxlet {

namespace {
// Fails to compile when the text is longer than the field.
consteval FixedText<18> name(std::string_view s) { return catalogue_detail::fixedText<18>(s); }
}  // namespace

constinit const std::array<FixedText<18>, kSegmentSlots> SegmentName = {{
    // Phonograms
    /*   0 */ name("A ("
                   "\xB2"
                   ")"),
    /*   1 */
    name("A ("
         "\xA1"
         ")"),
    /*   2 */ name("AI"),
    /*   3 */ name("-ALK/-ALT"),
    /*   4 */ name("ALL"),
    /*   5 */ name("AR"),
    /*   6 */ name("AU"),
    /*   7 */ name("AUGH"),
    /*   8 */ name("AW"),
    /*   9 */ name("AY"),
    /*  10 */ name("B"),
    /*  11 */ name("C (k)"),
    /*  12 */ name("C (s)"),
    /*  13 */ name("CH (ch)"),
    /*  14 */ name("CH (k)"),
    /*  15 */ name("CH (sh)"),
    /*  16 */ name("-CK"),
    /*  17 */ name("D"),
    /*  18 */ name("-DGE"),
    /*  19 */
    name("E ("
         "\xA5"
         ")"),
    /*  20 */
    name("E ("
         "\xA1"
         ")"),
    /*  21 */
    name("EA ("
         "\xA4"
         ")"),
    /*  22 */
    name("EA ("
         "\xA5"
         ")"),
    /*  23 */
    name("EA ("
         "\xA2"
         ")"),
    /*  24 */
    name("EAR ("
         "\xA4"
         "r)"),
    /*  25 */ name("EAR (er)"),
    /*  26 */
    name("EAR ("
         "\xA2"
         "r)"),
    /*  27 */ name("EE"),
    /*  28 */
    name("EI ("
         "\xA4"
         ")"),
    /*  29 */
    name("EI ("
         "\xA2"
         ")"),
    /*  30 */ name("EIGH"),
    /*  31 */ name("ER"),
    /*  32 */
    name("EU ("
         "\xAD"
         ")"),
    /*  33 */
    name("EW ("
         "\xAD"
         ")"),
    /*  34 */
    name("EY ("
         "\xA4"
         ")"),
    /*  35 */
    name("EY ("
         "\xA2"
         ")"),
    /*  36 */ name("F"),
    /*  37 */ name("G (g)"),
    /*  38 */ name("G (j)"),
    /*  39 */ name("GH (g)"),
    /*  40 */ name("GN"),
    /*  41 */ name("-GUE"),
    /*  42 */ name("H"),
    /*  43 */
    name("I ("
         "\xB3"
         ")"),
    /*  44 */
    name("IE ("
         "\xA6"
         ")"),
    /*  45 */
    name("IE ("
         "\xA4"
         ")"),
    /*  46 */ name("IGH"),
    /*  47 */ name("IR"),
    /*  48 */ name("J"),
    /*  49 */ name("K"),
    /*  50 */ name("KN-"),
    /*  51 */ name("L"),
    /*  52 */ name("M"),
    /*  53 */ name("-MB"),
    /*  54 */ name("MN"),
    /*  55 */ name("N"),
    /*  56 */ name("*NG"),
    /*  57 */ name("*NK"),
    /*  58 */
    name("O ("
         "\xB4"
         ")"),
    /*  59 */
    name("O ("
         "\xAF"
         ")"),
    /*  60 */
    name("O ("
         "\xA8"
         ")"),
    /*  61 */ name("OA"),
    /*  62 */ name("OE"),
    /*  63 */ name("OI"),
    /*  64 */
    name("OO ("
         "\xA9"
         "\xAA"
         ")"),
    /*  65 */
    name("OO ("
         "\xAB"
         "\xAC"
         ")"),
    /*  66 */ name("OR"),
    /*  67 */ name("OU (ow)"),
    /*  68 */
    name("OU ("
         "\xAE"
         ")"),
    /*  69 */
    name("OU ("
         "\xA9"
         "\xAA"
         ")"),
    /*  70 */
    name("OU ("
         "\xA7"
         ")"),
    /*  71 */ name("OUGH (aw)"),
    /*  72 */ name("OUGH (uff)"),
    /*  73 */ name("OUGH (off)"),
    /*  74 */
    name("OUGH ("
         "\xA9"
         "\xAA"
         ")"),
    /*  75 */
    name("OUGH ("
         "\xA7"
         ")"),
    /*  76 */
    name("OW ("
         "\xA7"
         ")"),
    /*  77 */ name("OW (ou)"),
    /*  78 */ name("OY"),
    /*  79 */ name("P"),
    /*  80 */ name("PH"),
    /*  81 */ name("QU"),
    /*  82 */ name("QUA"),
    /*  83 */ name("-QUE"),
    /*  84 */ name("R"),
    /*  85 */ name("RH-"),
    /*  86 */ name("S"),
    /*  87 */ name("S (z)"),
    /*  88 */ name("SC (s)"),
    /*  89 */ name("SH"),
    /*  90 */ name("-SION (zhen)"),
    /*  91 */ name("-SION (shen)"),
    /*  92 */ name("-STLE"),
    /*  93 */ name("T"),
    /*  94 */ name("-TCH"),
    /*  95 */ name("TH"),
    /*  96 */
    name("TH ("
         "\xB0"
         "\xB1"
         ")"),
    /*  97 */ name("-TION"),
    /*  98 */ name("TU/SU/DU"),
    /*  99 */
    name("U ("
         "\xAE"
         ")"),
    /* 100 */ name("UE"),
    /* 101 */ name("UI"),
    /* 102 */ name("UR"),
    /* 103 */ name("V"),
    /* 104 */ name("W"),
    /* 105 */ name("WA"),
    /* 106 */ name("WAR"),
    /* 107 */ name("WOR"),
    /* 108 */ name("WH"),
    /* 109 */ name("WR-"),
    /* 110 */ name("X (ks)"),
    /* 111 */ name("X (z)"),
    /* 112 */
    name("Y (vowel, "
         "\xA6"
         ")"),
    /* 113 */
    name("Y (vowel, "
         "\xA4"
         ")"),
    /* 114 */
    name("Y (vowel, "
         "\xB3"
         ")"),
    /* 115 */ name("Y (consonant)"),
    /* 116 */ name("Z"),
    // Word category
    /* 117 */ name("Kind Old Words"),
    // Syllable types
    /* 118 */ name("Silent E"),
    /* 119 */ name("Consonant-LE"),
    /* 120 */ name("Open Syllable"),
    /* 121 */ name("Closed Syllable"),
    /* 122 */ name("Vowel Pair"),
    /* 123 */ name("R-Controlled"),
    // Consonant blends
    /* 124 */ name("BL"),
    /* 125 */ name("BR"),
    /* 126 */ name("CL"),
    /* 127 */ name("CR"),
    /* 128 */ name("CT"),
    /* 129 */ name("DR"),
    /* 130 */ name("FL"),
    /* 131 */ name("FR"),
    /* 132 */ name("FT"),
    /* 133 */ name("GL"),
    /* 134 */ name("GR"),
    /* 135 */ name("LT"),
    /* 136 */ name("MP"),
    /* 137 */ name("ND"),
    /* 138 */ name("NT"),
    /* 139 */ name("PL"),
    /* 140 */ name("PR"),
    /* 141 */ name("PT"),
    /* 142 */ name("SC (sk)"),
    /* 143 */ name("SCR"),
    /* 144 */ name("SCH (sk)"),
    /* 145 */ name("SK"),
    /* 146 */ name("SL"),
    /* 147 */ name("SM"),
    /* 148 */ name("SN"),
    /* 149 */ name("SP"),
    /* 150 */ name("SPL"),
    /* 151 */ name("SPR"),
    /* 152 */ name("SQU"),
    /* 153 */ name("ST"),
    /* 154 */ name("STR"),
    /* 155 */ name("SW"),
    /* 156 */ name("THR"),
    /* 157 */ name("TR"),
    /* 158 */ name("TW"),
    // Spelling rules
    /* 159 */ name("1-1-1 Rule"),
    /* 160 */ name("2-1-1 Rule"),
    /* 161 */ name("FSZL Rule"),
    /* 162 */ name("Silent E + Sufx"),
    /* 163 */ name("Y + Suffix Rule"),
    /* 164 */ name("Y + Plural Rule"),
    // Prefixes
    /* 165 */ name("A-"),
    /* 166 */ name("ANTI-"),
    /* 167 */ name("BE-"),
    /* 168 */ name("CIRCUM-"),
    /* 169 */ name("COM-"),
    /* 170 */ name("CON-"),
    /* 171 */ name("CONTRA-"),
    /* 172 */ name("COUNTER-"),
    /* 173 */ name("DE-"),
    /* 174 */ name("DIS-"),
    /* 175 */ name("DYS-"),
    /* 176 */ name("EN-"),
    /* 177 */ name("EX-"),
    /* 178 */ name("HYPER-"),
    /* 179 */ name("IM-"),
    /* 180 */ name("IN-"),
    /* 181 */ name("INTER-"),
    /* 182 */ name("INTRA-"),
    /* 183 */ name("INTRO-"),
    /* 184 */ name("MID-"),
    /* 185 */ name("MIS-"),
    /* 186 */ name("MONO-"),
    /* 187 */ name("MULTI-"),
    /* 188 */ name("NON-"),
    /* 189 */ name("OVER-"),
    /* 190 */ name("PARA-"),
    /* 191 */ name("PER-"),
    /* 192 */ name("PERI-"),
    /* 193 */ name("PRE-"),
    /* 194 */ name("PRO-"),
    /* 195 */ name("PSEUDO-"),
    /* 196 */ name("RE-"),
    /* 197 */ name("RETRO-"),
    /* 198 */ name("SE-"),
    /* 199 */ name("SEMI-"),
    /* 200 */ name("SUB-"),
    /* 201 */ name("SUPER-"),
    /* 202 */ name("TELE-"),
    /* 203 */ name("TRANS-"),
    /* 204 */ name("ULTRA-"),
    /* 205 */ name("UN-"),
    /* 206 */ name("Number Prefixes"),
    // Chameleon prefixes
    /* 207 */ name("A- (+ cons)"),
    /* 208 */ name("CO- (+ cons)"),
    /* 209 */ name("DI- (+ cons)"),
    /* 210 */ name("E- (+ cons)"),
    /* 211 */ name("I- (+ cons)"),
    /* 212 */ name("O- (+ cons)"),
    /* 213 */ name("SU- (+ cons)"),
    /* 214 */ name("SY- (+ cons)"),
    // Suffixes
    /* 215 */ name("-ABLE"),
    /* 216 */ name("-AGE"),
    /* 217 */ name("-AL"),
    /* 218 */ name("-ANCE"),
    /* 219 */ name("-ANCY"),
    /* 220 */ name("-ANT"),
    /* 221 */ name("-AR"),
    /* 222 */ name("-ARD"),
    /* 223 */ name("-ARY"),
    /* 224 */ name("-ATE"),
    /* 225 */ name("-CIAL"),
    /* 226 */ name("-CIAN"),
    /* 227 */ name("-CIENT/-CIENCE"),
    /* 228 */ name("-CIOUS/-TIOUS"),
    /* 229 */
    name("-ED ("
         "\xA1"
         "d)"),
    /* 230 */ name("-ED (d)"),
    /* 231 */ name("-ED (t)"),
    /* 232 */ name("-EN"),
    /* 233 */ name("-ENCE"),
    /* 234 */ name("-ENCY"),
    /* 235 */ name("-ENT"),
    /* 236 */ name("-ER"),
    /* 237 */ name("-ERY"),
    /* 238 */ name("-EST"),
    /* 239 */ name("-FUL"),
    /* 240 */ name("-IA"),
    /* 241 */ name("-IAL"),
    /* 242 */ name("-IBLE"),
    /* 243 */ name("-IC"),
    /* 244 */ name("-IFY"),
    /* 245 */ name("-ING"),
    /* 246 */ name("-IO"),
    /* 247 */ name("-IOUS"),
    /* 248 */ name("-ISH"),
    /* 249 */ name("-ISM"),
    /* 250 */ name("-IST"),
    /* 251 */ name("-ITY"),
    /* 252 */ name("-IUM"),
    /* 253 */ name("-IVE"),
    /* 254 */ name("-I*E"),
    /* 255 */ name("-LESS"),
    /* 256 */ name("-LY"),
    /* 257 */ name("-MENT"),
    /* 258 */ name("-NESS"),
    /* 259 */ name("-OID"),
    /* 260 */ name("-OLOGY"),
    /* 261 */ name("-OR"),
    /* 262 */ name("-ORY"),
    /* 263 */ name("-OUS"),
    /* 264 */ name("-SHIP"),
    /* 265 */ name("-SOME"),
    /* 266 */ name("-SURE"),
    /* 267 */ name("-TIAL"),
    /* 268 */ name("-TIAN"),
    /* 269 */ name("-TIENT/-TIENCE"),
    /* 270 */ name("-TUDE"),
    /* 271 */ name("-TURE"),
    /* 272 */ name("-WARD"),
    // Latin roots
    /* 273 */ name("AUD/AUS"),
    /* 274 */ name("BIO"),
    /* 275 */ name("CAP/CEPT/CEIT"),
    /* 276 */ name("CAPIT"),
    /* 277 */ name("CEED/CEDE/CESS"),
    /* 278 */ name("CENT"),
    /* 279 */ name("CENTR"),
    /* 280 */ name("CID(E)/CIS(E)"),
    /* 281 */ name("CLAIM/CLAM"),
    /* 282 */ name("CLUD(E)/CLUS(E)"),
    /* 283 */ name("COMPLY"),
    /* 284 */ name("CORD/COUR/COR"),
    /* 285 */ name("CRED"),
    /* 286 */ name("CUR/COURSE"),
    /* 287 */ name("DIC/DICT"),
    /* 288 */ name("DUC/DUCE/DUCT"),
    /* 289 */ name("FER"),
    /* 290 */ name("FIC/FECT"),
    /* 291 */ name("FIN/FINIS"),
    /* 292 */ name("FLECT/FLEX"),
    /* 293 */ name("GRAPH/GRAM"),
    /* 294 */ name("JAC/JECT"),
    /* 295 */ name("LEG"),
    /* 296 */ name("LEG/LECT/LIG"),
    /* 297 */ name("LEG/LEGIS"),
    /* 298 */ name("LIT/LITER"),
    /* 299 */ name("LOC"),
    /* 300 */ name("LUC/LUMIN"),
    /* 301 */ name("MEM"),
    /* 302 */ name("MIT/MISS"),
    /* 303 */ name("MORT"),
    /* 304 */ name("NAT"),
    /* 305 */ name("NOM/NOMIN"),
    /* 306 */ name("PEL/PULS"),
    /* 307 */ name("PEND/PENS"),
    /* 308 */ name("PLY/PLIC"),
    /* 309 */ name("PORT"),
    /* 310 */ name("POS/PON/POUND"),
    /* 311 */ name("PREHEND/PREHENS"),
    /* 312 */ name("QUER/QUIR/QUIS"),
    /* 313 */ name("REG/RECT"),
    /* 314 */ name("RUPT"),
    /* 315 */ name("SCEND"),
    /* 316 */ name("SCRIB/SCRIPT"),
    /* 317 */ name("SENT/SENS"),
    /* 318 */ name("SIST"),
    /* 319 */ name("SPEC/SPIC/SPECT"),
    /* 320 */ name("SPIR(E)"),
    /* 321 */ name("STRUCT"),
    /* 322 */ name("TAIN/TENT"),
    /* 323 */ name("TENS/TEND/TENT"),
    /* 324 */ name("TRACT"),
    /* 325 */ name("TRIB"),
    /* 326 */ name("VAL/VAIL"),
    /* 327 */ name("VENT/VENE"),
    /* 328 */ name("VERS/VERT"),
    /* 329 */ name("VID/VIS"),
    /* 330 */ name("VOC/VOK"),
    // Word category
    /* 331 */ name("Rote Words"),
    // 332..360: empty slots (default blank text).
}};

}  // namespace moxlet
