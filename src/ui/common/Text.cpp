#include "ui/common/Text.h"

#include <QList>

#include "core/catalogue/Marks.h"

namespace moxlet::ui {

QString fromStored(const std::string& bytes) { return QString::fromStdString(cp1252ToUtf8(bytes)); }

std::string toStored(const QString& text)
{
    // Build the reverse map once from the forward conversion.
    static const auto reverse = [] {
        std::array<char32_t, 256> codes{};
        for (int b = 0; b < 256; ++b) {
            QString s = QString::fromStdString(cp1252ToUtf8(std::string(1, static_cast<char>(b))));
            codes[static_cast<std::size_t>(b)] = s.isEmpty() ? 0 : s.toUcs4().value(0);
        }
        return codes;
    }();
    std::string out;
    for (char32_t c : text.toUcs4()) {
        // A control character (a pasted tab, a stray byte) becomes a blank:
        // the files hold printable text only.
        if (c < 32 || c == 127 || (c >= 0x80 && c < 0xA0)) {
            out.push_back(' ');
            continue;
        }
        char byte = '?';
        for (int b = 0; b < 256; ++b) {
            if (reverse[static_cast<std::size_t>(b)] == c) {
                byte = static_cast<char>(b);
                break;
            }
        }
        out.push_back(byte);
    }
    return out;
}

QString unstorableCharacters(const QString& text)
{
    QString out;
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (c != U'?' && toStored(one) == "?") out += one;
    }
    return out;
}

QString markedText(const std::string& bytes) { return QString::fromStdString(displayText(bytes)); }

}  // namespace moxlet::ui
