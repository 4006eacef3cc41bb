#include "core/ui/helpers.h"

#include "core/dbc.h"
#include "core/globals.h"
#include "core/ui/translator.h"
#include "core/wholenumber.h"
#include "platform/dao/error.h"
#include "platform/fso/fso.h"
#include "platform/ini/inifile.h"
#include "platform/report/preview.h"  // reportcontrol.h needs the complete preview type
#include "platform/report/reportcontrol.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <cmath>
#include <functional>

namespace core {

// ---------------------------------------------------------------- messages

void ShowInfo(const QString& text) {
    ui::Dialogs().messageBox(text, AppTitle, ui::Buttons::OK, ui::Icon::Information);
}

ui::Answer AskYesNo(const QString& text, bool questionIcon) {
    return ui::Dialogs().messageBox(text, AppTitle, ui::Buttons::YesNo,
                                    questionIcon ? ui::Icon::Question : ui::Icon::None);
}

void ShowCritical(const QString& text) {
    ui::Dialogs().messageBox(text, AppTitle, ui::Buttons::OK, ui::Icon::Critical);
}

QString BrokenYearText(const BrokenYear& year, const QString& section) {
    QString which;
    if (year.outsideYears)
        which = year.previous ? QStringLiteral("Edellisen tilikauden päivämäärä ei ole vuosien 100 - 9999 välillä:")
                              : QStringLiteral("Tilikauden päivämäärä ei ole vuosien 100 - 9999 välillä:");
    else
        which = year.previous ? QStringLiteral("Edellinen tilikausi päättyy ennen kuin se alkaa:")
                              : QStringLiteral("Tilikausi päättyy ennen kuin se alkaa:");
    return TranslateStr(section, which) + QLatin1Char(' ') + year.alku.toShortString() + QStringLiteral(" - ") +
           year.loppu.toShortString();
}

QString TilikausiEiKaytossaText(const BrokenYear& year, const QString& section) {
    return BrokenYearText(year, section) + QStringLiteral("\r\n") +
           TranslateStr(section, QStringLiteral("Korjaa tilikauden päivämäärät asetuksista."));
}

void BeepIfSoundOn() {
    if (AaniKaytossa) ui::Beep();
}

// ---------------------------------------------------------------- text fields and lists

void SelectAllText(QLineEdit* textBox) {
    if (textBox && !textBox->text().isEmpty()) textBox->setSelection(0, static_cast<int>(textBox->text().size()));
}

void HighlightText(QLineEdit* textBox) {
    if (textBox) textBox->selectAll();
}

void EnterAsTab(int key) {
    try {
        ui::EnterAsTab(key);
    } catch (...) {
        // Moving the focus on has nothing to fail but the focus itself; a key
        // handler must not raise.
    }
}

std::optional<int> SplitToArray(QString& text, QStringList& parts, const QString& delimiter) {
    text = text.trimmed();
    if (text.isEmpty()) return std::nullopt;
    text += delimiter;
    if (parts.isEmpty()) throw dao::DaoError(9, QStringLiteral("Alaindeksi alueen ulkopuolella."));
    if (delimiter.isEmpty()) {
        parts[0] = text;
        return 0;
    }
    const qsizetype dlen = delimiter.size();
    qsizetype pos = 0;
    for (int i = 0;; ++i) {
        const qsizetype next = text.indexOf(delimiter, pos);  // never -1: text ends with it
        parts[i] = text.mid(pos, next - pos);
        pos = next + dlen;
        // Done when nothing but the appended delimiter is left.
        if (pos >= text.size() - dlen || i == parts.size() - 1) return i;
    }
}

void SelectComboByItemData(QComboBox* combo, long id) {
    if (!combo || combo->count() == 0) return;
    int index = 0;
    for (int i = 0; i < combo->count(); ++i) {
        const QVariant d = combo->itemData(i, Qt::UserRole);
        bool ok = false;
        const qlonglong v = d.toLongLong(&ok);
        if (d.isValid() && ok && v == id) {
            index = i;
            break;
        }
    }
    combo->setCurrentIndex(index);
    // A long item in a narrow editable combo shows its beginning (the
    // account number), not its end.
    if (combo->isEditable() && combo->lineEdit() && !combo->lineEdit()->hasFocus())
        combo->lineEdit()->setCursorPosition(0);
}

void RemoveListItemByItemData(QListWidget* list, long id) {
    if (!list) return;
    for (int i = 0; i < list->count(); ++i) {
        const QVariant d = list->item(i)->data(Qt::UserRole);
        bool ok = false;
        const qlonglong v = d.toLongLong(&ok);
        if (d.isValid() && ok && v == id) {
            delete list->takeItem(i);
            return;
        }
    }
}

int MaxInteger(int a, int b) { return b > a ? b : a; }

// ---------------------------------------------------------------- input filters

namespace {

bool isBlankSeparator(QChar c) {
    return c == QChar(0x0020) || c == QChar(0x00A0) || c == QChar(0x202F);
}

// The value of text read with the default locale's rules, or nullopt when it
// does not read as a number. See helpers.h for what is accepted.
std::optional<double> readNumber(const QString& input) {
    const QLocale loc;
    const QString t = input.trimmed();
    if (t.isEmpty()) return std::nullopt;
    const QString decimal = loc.decimalPoint();
    const QString minus = loc.negativeSign();
    const QString plus = loc.positiveSign();

    QString plain;  // the number in the C form, for the conversion
    qsizetype i = 0;
    auto at = [&](const QString& s) { return !s.isEmpty() && QStringView(t).mid(i).startsWith(s); };

    if (at(minus) || t[i] == QLatin1Char('-') || t[i] == QChar(0x2212)) {
        plain += QLatin1Char('-');
        i += at(minus) ? minus.size() : 1;
    } else if (at(plus) || t[i] == QLatin1Char('+')) {
        i += at(plus) ? plus.size() : 1;
    }

    int digits = 0;
    // Whole part, grouped as the locale groups (blanks count as grouping).
    while (i < t.size()) {
        if (t[i].isDigit()) {
            plain += QChar(u'0' + t[i].digitValue());
            ++digits;
            ++i;
        } else if (digits > 0 && i + 1 < t.size() && isBlankSeparator(t[i])) {
            // A blank between digit groups; a point or a comma never groups.
            if (!t[i + 1].isDigit()) break;
            ++i;
        } else {
            break;
        }
    }
    // Decimal separator: a point or a comma whatever the locale, or the
    // locale's own.
    auto decimalHere = [&]() -> qsizetype {
        if (t[i] == QLatin1Char('.') || t[i] == QLatin1Char(',')) return 1;
        if (at(decimal)) return decimal.size();
        return 0;
    };
    if (i < t.size()) {
        if (const qsizetype d = decimalHere()) {
            i += d;
            plain += QLatin1Char('.');
            while (i < t.size() && t[i].isDigit()) {
                plain += QChar(u'0' + t[i].digitValue());
                ++digits;
                ++i;
            }
        }
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == QLatin1Char('e') || t[i] == QLatin1Char('E') || at(loc.exponential()))) {
        i += at(loc.exponential()) ? loc.exponential().size() : 1;
        plain += QLatin1Char('e');
        if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QChar(0x2212) || at(minus))) {
            plain += QLatin1Char('-');
            i += at(minus) ? minus.size() : 1;
        } else if (i < t.size() && (t[i] == QLatin1Char('+') || at(plus))) {
            i += at(plus) ? plus.size() : 1;
        }
        int expDigits = 0;
        while (i < t.size() && t[i].isDigit()) {
            plain += QChar(u'0' + t[i].digitValue());
            ++expDigits;
            ++i;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    bool ok = false;
    const double v = plain.toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

// A whole number as the whole-number boxes are read (core/wholenumber.h),
// without a decimal part to round away.
bool isWholeLong(const QString& text) {
    bool rounded = true;
    return ReadWholeNumber(text, &rounded) && !rounded;
}

void dropLast(QString& text) {
    text.chop(1);
    if (!text.isEmpty() && text.back().isHighSurrogate()) text.chop(1);
}

// Drops characters from the end until the text is accepted (or empty) and
// writes the result back once, caret at the end.
void repair(QLineEdit* textBox, const std::function<bool(const QString&)>& accepted) {
    if (!textBox) return;
    const QString before = textBox->text();
    QString text = before;
    while (!text.isEmpty() && !accepted(text)) dropLast(text);
    if (text == before) return;
    textBox->setText(text);
    textBox->setCursorPosition(static_cast<int>(text.size()));
}

bool readsAsNumber(const QString& text) { return readNumber(text).has_value(); }

}  // namespace

void FilterNumericInput(QLineEdit* textBox) { repair(textBox, readsAsNumber); }

void FilterSignedNumericInput(QLineEdit* textBox) {
    if (textBox && textBox->text() == QLatin1String("-")) return;
    FilterNumericInput(textBox);
}

void FilterIntegerInput(QLineEdit* textBox) { repair(textBox, isWholeLong); }

// ---------------------------------------------------------------- window placement

namespace {

QString placementKey(const QWidget* form) {
    return form->objectName() + QString::number(KV_VERSION_MAJOR) + QString::number(KV_VERSION_MINOR);
}

}  // namespace

void LoadFormPosition(QWidget* form) {
    if (!form) return;
    try {
        ini::cIniFile ini;
        ini.FileName(IniFileName);
        ini.Section(QStringLiteral("FORMS"));
        ini.LoadFormPos(form, placementKey(form), true, QString());
    } catch (...) {
        // An ini file that cannot be read leaves the window where Qt puts it.
    }
}

void SaveFormPosition(const QWidget* form) {
    if (!form) return;
    try {
        ini::cIniFile ini;
        ini.FileName(IniFileName);
        ini.Section(QStringLiteral("FORMS"));
        ini.SaveFormPos(form, placementKey(form));
    } catch (...) {
        // An ini file that cannot be written, or that another program
        // holds, only loses the placement.
    }
}

QString IniNotWrittenText(const QString& file, bool locked) {
    if (!locked)
        return TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Asetustiedostoa ei voitu kirjoittaa:")) +
               u' ' + file;
    return TranslateStr(QStringLiteral("Yleiset"),
                        QStringLiteral("Toinen ohjelma pitää asetustiedostoa varattuna, eikä siihen voitu kirjoittaa:")) +
           u' ' + file + QStringLiteral("\r\n") +
           TranslateStr(QStringLiteral("Yleiset"), QStringLiteral("Yritä hetken kuluttua uudelleen."));
}

void InstallWindowHooks() {
    // A book that another program replaced under the open windows: once the
    // command that met it has told so, the windows read the book as it now
    // stands (what they read before is not written into it).
    DBCon().setReplacedHook([] {
        QTimer::singleShot(0, QCoreApplication::instance(), [] {
            try {
                ui::Forms::readBookAgain();
            } catch (...) {
                // Each window reports its own failure to read the book.
            }
        });
    });
    auto ownPlacement = [](const ui::Form& f) { return f.property(kOwnPlacementProperty).toBool(); };
    ui::Forms::setLoadHook([ownPlacement](ui::Form& f) {
        if (ownPlacement(f)) return;
        LoadFormPosition(&f);
        Translate(&f);
    });
    ui::Forms::setUnloadHook([ownPlacement](ui::Form& f) {
        if (ownPlacement(f)) return;
        SaveFormPosition(&f);
    });
}

// ---------------------------------------------------------------- files

bool ClearFileAttributes(const QString& path) { return fso::ClearReadOnly(path); }

bool IsFileReadOnly(const QString& path) { return fso::IsFileReadOnly(path); }

// ---------------------------------------------------------------- reports

QStringList ReportFontEntries(bool separateSections) {
    const QString size = QString::number(FonttiKoko);
    const QString rest = QStringLiteral(";X;X;X;X");
    QStringList e;
    e << (separateSections ? QStringLiteral("DETAIL;") : QStringLiteral("ALL;")) + Fontti + u';' + size + rest;
    e << QStringLiteral("TITLE;") + Fontti + QStringLiteral(";12") + rest;
    e << QStringLiteral("HEADER;") + Fontti + QStringLiteral(";X") + rest;
    e << (separateSections ? QStringLiteral("GRNDTTL;") + Fontti + u';' + size + rest : QString());
    e << (separateSections ? QStringLiteral("FOOTER;") + Fontti + u';' + size + rest : QString());
    return e;
}

void SetReportFonts(report::ReportControl& rc, bool separateSections) {
    const QStringList entries = ReportFontEntries(separateSections);
    for (int i = 0; i < entries.size(); ++i) rc.setSectionFont(i, entries[i]);
}

}  // namespace core
