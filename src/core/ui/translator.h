#pragma once

// The user-interface translator. Every text of the program is written in
// Finnish; at run time a window's caption, captions and tooltips, and every
// message text, are looked up in the language file of the chosen language:
//
//   <program folder>/<language>/<AppTitle>.trl     e.g. Svenska/Kolvio VEV.trl
//
// an ini file (UTF-8, escaped as ini::cIniFile writes it) with one section
// per window, named by the window's objectName, plus "Yleiset" for texts of
// modules that belong to no window. Each line is "Finnish text=translation".
// A text that has no translation yet is shown in Finnish and written into
// its section with an empty value, so a run collects the texts still to be
// translated.
//
// Calling convention for messages: write both arguments as literals,
//
//   TranslateStr(QStringLiteral("frmMain"), QStringLiteral("Seuran valinta"))
//
// (plain "..." literals work as well). The test of the shipped language file
// finds such calls in the sources and checks that each text has its
// translation; a text built at run time or a section passed as a variable
// is not seen by it.

#include "platform/ini/inifile.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <stdexcept>

class QAction;
class QObject;
class QWidget;

namespace core {

// The error LangTranslator raises when no base folder is set.
class TranslateError : public std::runtime_error {
public:
    static constexpr std::uint32_t kBaseFolderNotSet = 0x80040001u;

    TranslateError(std::uint32_t number, const QString& description, const QString& source);
    std::uint32_t number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    const QString& source() const noexcept { return source_; }

private:
    std::uint32_t number_;
    QString description_;
    QString source_;
};

class cLanguageTranslator {
public:
    // The translation of text in section: text itself when the file has
    // none (and then text is added to the section with an empty value). An
    // empty text gives the empty text and leaves the file alone; so does
    // every text while no file is set.
    QString TranslateStr(const QString& section, const QString& text);

    // Translates the window's caption and then its controls, in their
    // order, in the section named by the window's objectName:
    //   radio button, label, check box, group box (title):  text, tooltip
    //   push button, tool button: text, tooltip - not when its dynamic
    //       property "Tag" contains "NoTrl" (any letter case)
    //   menu item (QAction, a menu's title included): text, keeping its
    //       "&" access key and any "\t" shortcut text after it
    //   line edit, text edit: tooltip
    //   toolbar: tooltip, then each action's text and tooltip
    //   tab widget, tab bar: tooltip, then each tab's text and tooltip
    // Other controls (lists, combo boxes, grids, trees, pictures) are left
    // alone, and so are windows of their own inside it. Translating a
    // window again does not take its translated texts for new Finnish ones.
    void Translate(QWidget* form);

    void setFilePath(const QString& path) { path_ = path; }
    QString filePath() const { return path_; }

private:
    QString lookUp(const QString& text);
    QString translateProperty(QObject* owner, const QString& slot, const QString& current);
    void translateControl(QWidget* w);
    void translateAction(QAction* a, bool withToolTip);
    void walk(QObject* parent);

    ini::cIniFile ini_;
    QString path_;
};

// Builds the translator for a language.
class cTranslate {
public:
    // BaseFolder starts as the program folder, FileName as AppTitle,
    // LanguagePrefix empty.
    cTranslate();

    void setLanguagePrefix(const QString& prefix) { languagePrefix_ = prefix; }
    void setBaseFolder(const QString& folder) { baseFolder_ = folder; }
    void setFileName(const QString& name) { fileName_ = name; }

    // A translator for BaseFolder/LanguagePrefix/FileName.trl. An empty
    // BaseFolder raises TranslateError 0x80040001 "BaseFolder not set for
    // translation.".
    std::unique_ptr<cLanguageTranslator> LangTranslator() const;

private:
    QString languagePrefix_;
    QString baseFolder_;
    QString fileName_;
};

// The translator every window uses. Until start-up sets one: a translator
// without a file, which gives every text back unchanged.
cLanguageTranslator& Translator();
// Replaces it; nullptr returns to the translator without a file.
void SetTranslator(std::unique_ptr<cLanguageTranslator> translator);
// The shared builder, created on first use.
cTranslate& TranslateCfg();

// Translator().TranslateStr and Translator().Translate.
QString TranslateStr(const QString& section, const QString& text);
void Translate(QWidget* form);

}  // namespace core
