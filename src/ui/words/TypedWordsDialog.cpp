#include "ui/words/TypedWordsDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/DialogButtons.h"
#include "ui/common/MarkFont.h"
#include "ui/common/StoredTextValidator.h"
#include "ui/common/Text.h"

namespace moxlet::ui {

TypedWordsDialog::TypedWordsDialog(const std::vector<WordCell>& cells, bool forWordList, QWidget* parent)
    : QDialog(parent)
{
    const auto n = cells.size();
    setObjectName(n == 4        ? QStringLiteral("EntrWord")
                  : forWordList ? QStringLiteral("Etrwrdlt")
                                : QStringLiteral("Etrwrd%1").arg(n));
    setWindowTitle(QStringLiteral("Type in Unlisted Words"));

    auto* grid = new QGridLayout;
    for (std::size_t k = 0; k < n; ++k) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Word_%1").arg(k));
        box->setAccessibleName(QStringLiteral("Word %1").arg(k + 1));
        box->setFont(MarkFont::font(10));
        box->setMaxLength(20);  // a plan keeps 20 characters of a word
        refuseUnstorableCharacters({box});
        box->setMinimumWidth(box->fontMetrics().averageCharWidth() * 16);
        if (cells[k].tag != kCellEmpty) box->setText(fromStored(cells[k].text));
        box->setEnabled(cells[k].tag < 0);  // a word chosen from the list stays as it is
        boxes_.push_back(box);
        grid->addWidget(box, static_cast<int>(k / 4), static_cast<int>(k % 4));
    }

    QDialogButtonBox* buttons = okCancelButtons(this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    for (QLineEdit* box : boxes_)
        if (box->isEnabled()) {
            box->setFocus();
            break;
        }
}

std::vector<std::string> TypedWordsDialog::boxes() const
{
    std::vector<std::string> texts;
    for (QLineEdit* box : boxes_) texts.push_back(toStored(box->text()));
    return texts;
}

}  // namespace moxlet::ui
