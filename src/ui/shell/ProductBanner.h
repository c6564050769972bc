#pragma once
// What the splash window and the about box both show: the picture
// (Picture1), the company (Label1), the product (Label7), the version
// (Label4) and a line under them (Line1).

class QVBoxLayout;
class QWidget;

namespace moxlet::ui {

// Adds the banner's widgets, children of `owner`, to `layout`.
void addProductBanner(QWidget* owner, QVBoxLayout* layout);

}  // namespace moxlet::ui
