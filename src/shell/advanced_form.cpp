#include "shell/advanced_form.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

namespace vellamor::shell {

namespace {
FontAvailability g_fontAvailability = FontAvailability::Unknown;

QString replaceFirst(QString text, const QString& placeholder, const QString& by) {
    const qsizetype at = text.indexOf(placeholder);
    if (at >= 0) text.replace(at, placeholder.size(), by);
    return text;
}

void fallback(QWidget* w) {
    QFont f = w->font();
    if (f.family().compare(QLatin1String(kDialogFont), Qt::CaseInsensitive) == 0) {
        f.setFamily(QString::fromLatin1(kFallbackFont));
        f.setStyleHint(QFont::SansSerif);
        w->setFont(f);
    }
}
} // namespace

QString replacePlaceholders(const QString& text) {
    const QString title = QString::fromLatin1(kProgramTitle);
    QString out = replaceFirst(text, QStringLiteral("[Program]"), title);
    out = replaceFirst(out, QStringLiteral("[Program_sw]"), title);
    return replaceFirst(out, QStringLiteral("[GameNum_sw]"), QStringLiteral("342"));
}

bool dialogFontAvailable() {
    if (g_fontAvailability == FontAvailability::Unknown) {
        bool found = false;
        for (const QString& family : QFontDatabase::families())
            if (family.compare(QLatin1String(kDialogFont), Qt::CaseInsensitive) == 0) found = true;
        g_fontAvailability = found ? FontAvailability::Available : FontAvailability::Missing;
    }
    return g_fontAvailability == FontAvailability::Available;
}

void setDialogFontAvailability(FontAvailability a) { g_fontAvailability = a; }

void applyFontFallback(QWidget* form) {
    if (!form || dialogFontAvailable()) return;
    fallback(form);
    // Labels, group boxes, buttons, panels, lists, grids and notebooks alike:
    // whatever on the form still names the designed font gets the fallback.
    for (QWidget* child : form->findChildren<QWidget*>()) fallback(child);
}

C_TAdvancedForm::C_TAdvancedForm(QWidget* owner) : QDialog(owner) {
    QFont f(QString::fromLatin1(kDialogFont), 8);
    f.setStyleHint(QFont::SansSerif);
    setFont(f);
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

} // namespace vellamor::shell
