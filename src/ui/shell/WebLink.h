#pragma once
// A web address that opens when clicked: drawn as a link (link colour,
// underlined), the hand cursor over it, reachable with Tab, pressed with
// Space or Enter, and announced to screen readers as a button.  The about
// box shows the maker's address with it.

#include <QAbstractButton>

namespace moxlet::ui {

class WebLink : public QAbstractButton {
    Q_OBJECT
public:
    explicit WebLink(const QString& address, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace moxlet::ui
