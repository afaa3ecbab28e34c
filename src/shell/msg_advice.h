// The boxes the program talks to the player with: the information box (one
// OK), the confirmation box (OK and Cancel), the advice box with a picture and
// "&Don't show this message box again", and the advice box with OK and Cancel.
#pragma once

#include "shell/advanced_form.h"

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;

namespace vellamor::shell {

// Asked to repaint at once whenever an advice box closes, so that no trace of
// the box stays on the table (the main window, the card counter, the fast search).
void setRepaintAfterBox(std::function<void()> repaint);

void showInformation(QWidget* parent, const QString& text);
void showInformation(QWidget* parent, long long number);
// An error box with its own title ("Error").
void showError(QWidget* parent, const QString& title, const QString& text);
// OK and Cancel; true for OK.
bool confirmOkCancel(QWidget* parent, const QString& text);

class TfrmMsgAdvice : public C_TAdvancedForm {
    Q_OBJECT
public:
    // Picture pages of the advice box.
    enum Page { Color = 0, Small640x480 = 1 };

    explicit TfrmMsgAdvice(QWidget* owner = nullptr);
    void setText(const QString& text);
    void setPage(int page);
    int page() const;
    bool ticked() const;

    QLabel* lblText;
    QStackedWidget* nbPictures;
    QPushButton* btnOK;
    QCheckBox* chkDontShow;

protected:
    void hideEvent(QHideEvent* e) override;
};

class TfrmMsgAdviceOKCancel : public C_TAdvancedForm {
    Q_OBJECT
public:
    explicit TfrmMsgAdviceOKCancel(QWidget* owner = nullptr);
    void setText(const QString& text);
    // Without Cancel the OK button is centred.
    void setWithCancel(bool with);
    bool result() const { return result_; }
    bool ticked() const;

    QLabel* lblText;
    QLabel* imgPicture;
    QPushButton* btnOK;
    QPushButton* btnCancel;
    QCheckBox* chkDontShow;

protected:
    void hideEvent(QHideEvent* e) override;

private:
    bool result_ = false;
};

// The modal advice box; returns whether its check box was ticked.
bool showAdvice(QWidget* parent, const QString& text, int page);
struct AdviceResult {
    bool ok = false;
    bool ticked = false;
};
AdviceResult askWithAdvice(QWidget* parent, const QString& text, bool withCancel);

} // namespace vellamor::shell
