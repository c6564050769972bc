#pragma once
// The literacy font that draws segment names with their pronunciation marks,
// on screen and in print.  Moxlet uses SIL Andika (OFL): it is found through
// the system's fonts (Debian package fonts-sil-andika), or loaded from the
// installation directory's fonts/ folder or the Debian font folder when the
// font configuration does not list it.  Without it the default font is used:
// the combining marks still show, less neatly.

#include <QFont>
#include <QString>

namespace moxlet::ui {

class MarkFont {
public:
    // Loads the font if needed; returns its family name or an empty string.
    static QString ensureLoaded(const QString& installDir = {});
    static QFont font(int pointSize = 0);
    static bool available();
};

}  // namespace moxlet::ui
