#pragma once
// The program's message boxes: moxlet::Prompt shown as a QMessageBox.

#include <QPointer>
#include <QWidget>

#include "core/store/Prompt.h"

namespace moxlet::ui {

class MessageBoxPrompt : public Prompt {
public:
    explicit MessageBoxPrompt(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    Answer message(const std::string& text, const std::string& title, Icon icon, Buttons buttons) override;
    Answer messageWithDefault(const std::string& text, const std::string& title, Icon icon, Buttons buttons,
                              Answer defaultAnswer) override;

private:
    Answer show(const std::string& text, const std::string& title, Icon icon, Buttons buttons,
                const Answer* defaultAnswer);

    QPointer<QWidget> parent_;
};

}  // namespace moxlet::ui
