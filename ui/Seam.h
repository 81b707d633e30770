// The one seam through which every modal thing is shown: message boxes, dialogs, web pages.
#pragma once

#include "Types.h"

#include <QString>
#include <optional>

class QDialog;
class QWidget;

// A file dialog's settings: title, filter in Qt's notation, and the suffix added to a bare name.
struct FileDialogSettings {
    QString title;
    QString filter;
    QString defaultSuffix;
};

class Seam : public kestrune::MessageSink {
public:
    // A modal box with a single OK button; the flag picks the icon (0 none, 16 stop, 48 warning).
    void ShowMessage(std::string_view text, std::string_view caption, int flag) override = 0;
    // Runs one of the game's windows modally; returns when it has closed.
    virtual void ShowModal(QDialog& dialog) = 0;
    // The chosen file's full path, or none when cancelled. Saving asks before replacing a file;
    // opening accepts only a file that exists.
    virtual std::optional<QString> GetSaveFileName(QWidget* parent, const FileDialogSettings& settings) = 0;
    virtual std::optional<QString> GetOpenFileName(QWidget* parent, const FileDialogSettings& settings) = 0;
    // The colour chosen starting from initial, or none when cancelled.
    virtual std::optional<kestrune::Color> ChooseColor(QWidget* parent, kestrune::Color initial) = 0;
    // Hands a web page to the desktop's browser; a failure is passed over silently.
    virtual void OpenUrl(const QString& url) = 0;
};

// The seam that shows real Qt windows.
class QtSeam final : public Seam {
public:
    void ShowMessage(std::string_view text, std::string_view caption, int flag) override;
    void ShowModal(QDialog& dialog) override;
    std::optional<QString> GetSaveFileName(QWidget* parent, const FileDialogSettings& settings) override;
    std::optional<QString> GetOpenFileName(QWidget* parent, const FileDialogSettings& settings) override;
    std::optional<kestrune::Color> ChooseColor(QWidget* parent, kestrune::Color initial) override;
    void OpenUrl(const QString& url) override;
};

// The file dialogs' filter, converted from the "description|pattern|..." notation.
QString FilterFromPipes(const QString& pipes);
