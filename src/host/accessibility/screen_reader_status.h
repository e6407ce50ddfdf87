// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QDBusMessage;

namespace zorvik {

// What the desktop's accessibility bus says about assistive technology, followed as it changes:
// IsEnabled (some assistive program, or a setting, wants applications accessible) and
// ScreenReaderEnabled (the desktop's switch says a screen reader runs). Both start false and are
// learnt asynchronously: nothing here waits on the bus, so a desktop without one costs nothing
// but a failed call. A reader started or stopped while the game runs, or the accessibility bus
// itself coming and going, is followed through the bus's signals. A reader started by hand
// turns on IsEnabled alone: then the bus's applications are searched for one, off the GUI
// thread, again a few times while the reader may still be registering.
class ScreenReaderStatus final : public QObject {
    Q_OBJECT
public:
    // The program's one watch, made on first use (after the application object).
    static ScreenReaderStatus& instance();

    bool isEnabled() const { return isEnabled_; }
    // A screen reader runs: the desktop's switch is on, or one registered on the bus.
    bool screenReaderRuns() const { return screenReaderEnabled_ || readerRegistered_; }

signals:
    // Either property changed.
    void changed();

private:
    ScreenReaderStatus();
    // Asks the accessibility bus for both properties, without starting it.
    void ask();
    void answered(const QDBusMessage& reply);
    void update(bool isEnabled, bool screenReaderEnabled);
    // Searches the accessibility bus's applications for a screen reader, unless a search runs.
    void searchForReader();
    void searched(bool found);

private slots:
    void propertiesChanged(
        const QString& interface, const QVariantMap& changed, const QStringList& invalidated);
    void ownerChanged(const QString& name, const QString& oldOwner, const QString& newOwner);

private:
    bool isEnabled_ = false;
    bool screenReaderEnabled_ = false;
    bool readerRegistered_ = false;
    bool searching_ = false;
    int searchesLeft_ = 0;
};

} // namespace zorvik
