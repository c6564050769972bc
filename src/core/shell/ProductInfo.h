#pragma once
// Who makes the program and what it is called, in one place: the main
// window's caption, the splash window, the about box, the printed plan's
// footer and the installed package all take their words from here.
//
// The web address is a reserved example address (RFC 2606 keeps .example
// for documentation), never a real third party's site; the maker's real
// address replaces it here and nowhere else.

#include <string_view>

namespace moxlet {

inline constexpr char kCompanyName[] = "Quillory";
inline constexpr char kProductName[] = "Moxlet";
// The version as the splash window and the about box show it; the build's
// project version (CMakeLists.txt) is the same number.
inline constexpr char kVersionText[] = "Version 3.30";
inline constexpr char kVersionNumber[] = "3.30";
// The main window's caption: company and product.
inline constexpr char kMainCaption[] = "Quillory Moxlet";
// The maker's web site, opened from the about box and printed in the plan's
// footer (as the address a reader types: see webAddressAsPrinted).
inline constexpr char kWebAddress[] = "https://moxlet.example/";

// The web address without its scheme and trailing slash: "moxlet.example".
constexpr std::string_view webAddressAsPrinted()
{
    std::string_view a = kWebAddress;
    if (a.starts_with("https://")) a.remove_prefix(8);
    if (a.ends_with('/')) a.remove_suffix(1);
    return a;
}

}  // namespace moxlet
