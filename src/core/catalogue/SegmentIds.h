#pragma once
// Segment ids by name: the one numbering of the word segments, shared by the
// catalogue, the eligibility masks, the candidate rules, the record checks
// and the word base builder.  The numbers are part of every stored file
// (profiles, plans and the word base keep segments as bits of a SegmentSet)
// and never change; the catalogue holds the display names.

namespace moxlet::seg {

enum : int {
    A_Short = 0, A_Schwa = 1, AI = 2, ALK_ALT = 3, ALL = 4, AR = 5, AU = 6, AUGH = 7, AW = 8, AY = 9,
    B = 10, C_K = 11, C_S = 12, CH_CH = 13, CH_K = 14, CH_SH = 15, CK = 16, D = 17, DGE = 18, E_Short = 19,
    E_Schwa = 20, EA_LongE = 21, EA_ShortE = 22, EA_LongA = 23, EAR_Ear = 24, EAR_Er = 25, EAR_Air = 26,
    EE = 27, EI_LongE = 28, EI_LongA = 29,
    EIGH = 30, ER = 31, EU = 32, EW = 33, EY_LongE = 34, EY_LongA = 35, F = 36, G_G = 37, G_J = 38, GH_G = 39,
    GN = 40, GUE = 41, H = 42, I_Short = 43, IE_LongI = 44, IE_LongE = 45, IGH = 46, IR = 47, J = 48, K = 49,
    KN = 50, L = 51, M = 52, MB = 53, MN = 54, N = 55, NG = 56, NK = 57, O_Short = 58, O_Long = 59,
    O_Do = 60, OA = 61, OE = 62, OI = 63, OO_Long = 64, OO_Short = 65, OR = 66, OU_Ow = 67, OU_ShortU = 68,
    OU_Oo = 69,
    OU_LongO = 70, OUGH_Aw = 71, OUGH_Uff = 72, OUGH_Off = 73, OUGH_Oo = 74, OUGH_LongO = 75, OW_LongO = 76,
    OW_Ou = 77, OY = 78, P = 79,
    PH = 80, QU = 81, QUA = 82, QUE = 83, R = 84, RH = 85, S = 86, S_Z = 87, SC_S = 88, SH = 89,
    SION_Zhen = 90, SION_Shen = 91, STLE = 92, T = 93, TCH = 94, TH = 95, TH_Voiced = 96, TION = 97,
    TU_SU_DU = 98, U_Short = 99,
    UE = 100, UI = 101, UR = 102, V = 103, W = 104, WA = 105, WAR = 106, WOR = 107, WH = 108, WR = 109,
    X_KS = 110, X_Z = 111, Y_LongI = 112, Y_LongE = 113, Y_ShortI = 114, Y_Consonant = 115, Z = 116,
    KindOldWords = 117, SilentE = 118, ConsonantLE = 119,
    OpenSyllable = 120, ClosedSyllable = 121, VowelPair = 122, RControlled = 123,
    FirstBlend = 124, LastBlend = 158,
    Rule111 = 159, Rule211 = 160, RuleFSZL = 161, RuleSilentE = 162, RuleYSuffix = 163, RuleYPlural = 164,
    FirstPrefix = 165, NumberPrefixes = 206, FirstChameleon = 207, LastChameleon = 214,
    FirstSuffix = 215, LastSuffix = 272, FirstRoot = 273, LastRoot = 330,
    RoteWords = 331,

    // Ranges used by name.
    FirstPhonogram = 0, LastPhonogram = 116,
    FirstSyllableType = 118, LastSyllableType = 123,
    FirstRule = 159, LastRule = 164,
    LastPrefix = 205,

    // Word 24's two flags, stored as if they were segments 358 and 359.
    RootFlag = 358, HomophoneFlag = 359,

    Count = 332,  // ids 0..331 carry a catalogue name
    Slots = 361,  // ids 0..360 fit a SegmentSet
};

}  // namespace moxlet::seg
