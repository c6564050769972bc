#include "ui/common/MessageBoxPrompt.h"

#include <QMessageBox>

#include "ui/common/Text.h"

namespace moxlet::ui {

Answer MessageBoxPrompt::message(const std::string& text, const std::string& title, Icon icon,
                                 Buttons buttons)
{
    return show(text, title, icon, buttons, nullptr);
}

Answer MessageBoxPrompt::messageWithDefault(const std::string& text, const std::string& title, Icon icon,
                                            Buttons buttons, Answer defaultAnswer)
{
    return show(text, title, icon, buttons, &defaultAnswer);
}

Answer MessageBoxPrompt::show(const std::string& text, const std::string& title, Icon icon, Buttons buttons,
                              const Answer* defaultAnswer)
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
    if (defaultAnswer) {
        B b = B::NoButton;
        switch (*defaultAnswer) {
        case Answer::Ok: b = B::Ok; break;
        case Answer::Cancel: b = B::Cancel; break;
        case Answer::Yes: b = B::Yes; break;
        case Answer::No: b = B::No; break;
        case Answer::Retry: b = B::Retry; break;
        case Answer::Ignore: b = B::Ignore; break;
        case Answer::Abort: b = B::Abort; break;
        }
        if (box.button(b)) box.setDefaultButton(b);
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
