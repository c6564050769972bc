#pragma once
// A "&Find:" field over a list or a tree of names (the profile editor's
// studied segments, the segment pickers), with how many lines are selected
// beside it.  As the tutor types, only the lines whose text holds the typed
// letters (letter case aside) stay shown: "ea" leaves the EA segments.  In
// a tree a heading stays, opened, while one of its lines does.  Selection
// is the list's own: a line hidden by the field stays selected, and what
// the list's owner checks and saves does not change.
//
// Enter or Down in the field moves to the first line shown, so the tutor
// can type and then choose with the keyboard (Enter does not press the
// dialog's default button).  Object names: Find (the field) and
// SelectedCount (the count).

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QPointer>
#include <QWidget>

class QAbstractItemView;
class QLabel;
class QLineEdit;

namespace moxlet::ui {

class FindField : public QWidget {
    Q_OBJECT
public:
    FindField(QAbstractItemView* view, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    // The lines shown for the text typed so far.
    void applyFilter();
    // How many lines are selected, as the count shows it.
    int selectedCount() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCount();
    void moveToFirstShown();

    QAbstractItemView* view_;
    // The count reads the view's selection and model, never the view: their
    // signals still come while the view is torn down.
    QPointer<QItemSelectionModel> selection_;
    QPointer<QAbstractItemModel> model_;
    QLineEdit* field_ = nullptr;
    QLabel* count_ = nullptr;
};

}  // namespace moxlet::ui
