#include "QtPrompt.h"

#include <QMessageBox>

#include "Text.h"

namespace moxlet::ui {

Answer QtPrompt::message(const std::string& text, const std::string& title, Icon icon,
                         Buttons buttons)
{
    QMessageBox box(parent_);
    box.setWindowTitle(fromStored(title));
    box.setText(fromStored(text));
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    using B = QMessageBox::StandardButton;
    switch (buttons) {
    case Buttons::Ok: box.setStandardButtons(B::Ok); break;
    case Buttons::OkCancel: box.setStandardButtons(B::Ok | B::Cancel); break;
    case Buttons::YesNo: box.setStandardButtons(B::Yes | B::No); break;
    case Buttons::YesNoCancel: box.setStandardButtons(B::Yes | B::No | B::Cancel); break;
    case Buttons::RetryCancel: box.setStandardButtons(B::Retry | B::Cancel); break;
    case Buttons::AbortRetryIgnore: box.setStandardButtons(B::Abort | B::Retry | B::Ignore); break;
    }
    switch (box.exec()) {
    case B::Ok: return Answer::Ok;
    case B::Yes: return Answer::Yes;
    case B::No: return Answer::No;
    case B::Retry: return Answer::Retry;
    case B::Ignore: return Answer::Ignore;
    case B::Abort: return Answer::Abort;
    default: return Answer::Cancel;
    }
}

}  // namespace moxlet::ui
