// C_TAdvancedForm: the base of the program's dialogs. Forms are designed in
// "Tahoma"; where that font is missing every text of the form shows in
// "MS Sans Serif" (sizes and styles as designed). Also the one routine that
// replaces the product placeholders in captions and texts.
#pragma once

#include <QDialog>
#include <QString>

#include <memory>
#include <utility>

namespace vellamor::shell {

inline constexpr const char* kProgramTitle = "Vellamor 2003";
inline constexpr const char* kDialogFont = "Tahoma";
inline constexpr const char* kFallbackFont = "MS Sans Serif";

// "[Program]", "[Program_sw]" and "[GameNum_sw]", each replaced at its first
// occurrence only, in that order.
QString replacePlaceholders(const QString& text);

// Whether "Tahoma" is installed: checked once per run (the tests may decide it).
enum class FontAvailability { Unknown, Available, Missing };
bool dialogFontAvailable();
void setDialogFontAvailability(FontAvailability a);

// Runs the font fallback over a form and everything on it.
void applyFontFallback(QWidget* form);

class C_TAdvancedForm : public QDialog {
    Q_OBJECT
public:
    explicit C_TAdvancedForm(QWidget* owner = nullptr);
};

// Creates a dialog as every dialog is created: the hourglass while it is built,
// then the font fallback; the previous cursor is back before it is shown.
template <class Form, class... Args>
std::unique_ptr<Form> createDialog(QWidget* owner, Args&&... args);

// The hourglass pointer for the life of the object.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

template <class Form, class... Args>
std::unique_ptr<Form> createDialog(QWidget* owner, Args&&... args) {
    std::unique_ptr<Form> form;
    {
        BusyCursor busy;
        form = std::make_unique<Form>(owner, std::forward<Args>(args)...);
        applyFontFallback(form.get());
    }
    return form;
}

} // namespace vellamor::shell
