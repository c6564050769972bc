#pragma once
// Moxlet's web address: the printed lesson plan's footer names it and the
// about box opens it.  Until the project has a home page it is an address
// of the reserved .example domain, which belongs to no one.

#include <string>

namespace moxlet {

// As printed: without the scheme.
inline const std::string kWebAddress = "www.moxlet.example";
// As opened by a browser.
inline const std::string kWebUrl = "https://" + kWebAddress + "/";

}  // namespace moxlet
