#pragma once
// A look at the settings file before the store reads it. A file the store
// cannot read whole would lose what it could not read at the first write, so
// such a file is kept beside it first.
#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace cardova {

struct SettingsFileCheck {
    bool damaged = false;  // the file is there but does not read as a settings file
    bool isFolder = false; // a folder stands where the file belongs
    QString keptCopy;      // where the damaged file was kept; empty when it could not be
    bool recoded = false;  // a UTF-16 file was rewritten as UTF-8 after keeping it
    // False when a damaged file could not be kept: it must not be written over.
    bool mayWrite() const { return !damaged || isFolder || !keptCopy.isEmpty(); }
};

// True when the store would not read the text whole and give it back on its
// next write: text that is not UTF-8 (binary data, UTF-16), NUL bytes, or
// lines that are neither a section, a key=value pair nor blank (comments
// included, since a write drops them).
bool settingsTextDamaged(const QByteArray &content);

// Checks the file at `path`. A damaged file is copied beside it as
// "<path>.damaged-<date and time>" (moved there when it cannot be read to be
// copied); a UTF-16 file is then rewritten as UTF-8 so its settings can be
// read. A missing file is fine.
SettingsFileCheck rescueSettingsFile(const QString &path, const QDateTime &now);

// The sentence that tells the player what was found and done.
QString damagedSettingsText(const QString &path, const SettingsFileCheck &check);
// The sentence that tells the player their settings are not being saved.
QString unsavedSettingsText(const QString &path);

} // namespace cardova
