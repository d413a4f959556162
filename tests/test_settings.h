#pragma once
// Settings of a test program: a throw-away place of its own. CTest runs each test as a
// process of its own, two at a time; sharing Qt's test location, one test read the recent
// files another had just written.

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

// Call before the first QSettings is made.
inline void UseOwnTestSettings() {
    QStandardPaths::setTestModeEnabled(true);
    static QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
}
