#include "ui/common/MarkFont.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>

namespace moxlet::ui {

namespace {
const QString kFamily = QStringLiteral("Andika");
QString loadedFamily;
bool tried = false;
}  // namespace

QString MarkFont::ensureLoaded(const QString& installDir)
{
    if (!loadedFamily.isEmpty()) return loadedFamily;
    if (QFontDatabase::families().contains(kFamily)) return loadedFamily = kFamily;
    if (tried && installDir.isEmpty()) return {};
    tried = true;
    QStringList folders{QStringLiteral("/usr/share/fonts/truetype/andika")};
    if (!installDir.isEmpty()) folders.prepend(QDir(installDir).filePath(QStringLiteral("fonts")));
    for (const QString& folder : folders) {
        for (const QString& file : QDir(folder).entryList({QStringLiteral("Andika-*.ttf")})) {
            int id = QFontDatabase::addApplicationFont(QDir(folder).filePath(file));
            if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
                loadedFamily = QFontDatabase::applicationFontFamilies(id).first();
        }
        if (!loadedFamily.isEmpty()) break;
    }
    return loadedFamily;
}

QFont MarkFont::font(int pointSize)
{
    QFont f = QGuiApplication::font();
    QString family = ensureLoaded();
    if (!family.isEmpty()) f.setFamily(family);
    if (pointSize > 0) f.setPointSize(pointSize);
    return f;
}

bool MarkFont::available() { return !ensureLoaded().isEmpty(); }

}  // namespace moxlet::ui
