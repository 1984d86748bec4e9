#pragma once

#include <QString>
#include <QStringList>

namespace brelo {

// What an address of the documentation viewer designates: the empty page, a page
// of the user's web browser, or a local file with an optional anchor.
struct DocAddress {
    enum class Kind { Blank, Web, Local };
    Kind kind = Kind::Blank;
    QString target;    // the web address as typed, or the absolute local path (native separators)
    QString fragment;  // anchor within a local page, without '#'
    QStringList searched;  // a help page of the buttons: the folders looked in, in order

    // The text the address box shows for it.
    QString text() const;
};

inline const QString kBlankAddress = QStringLiteral("About:Blank");

// Reads an address typed in the address box. Relative paths are taken from the
// working folder; "file:" addresses are local; http, https and mailto go to the web.
// A '#' starts an anchor only when the whole text is not itself an existing file.
DocAddress readAddress(const QString &typed, const QString &workingDir);

// The folder of the installed help pages: share/brelo/doc beside the bin folder
// that holds the running program.
QString installedHelpDirectory();

// Where a help page opens from: the working folder's copy wins (the user may keep
// pages of their own there), else the installed copy; when neither exists, the
// working-folder path, for the "Page introuvable" message. Native separators;
// `searched` gives the folders looked in.
DocAddress helpPageAddress(const QString &fileName, const QString &workingDir, const QString &installedDir);

} // namespace brelo
