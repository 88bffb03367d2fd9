// What a screen reader would be told as things appear: every notification
// and alert shown, with the name and description it had then. Qt sends its
// "object shown" accessibility event right after the widget's show event,
// and that is what the AT-SPI bridge turns into speech; Qt's offscreen
// platform has no accessibility bridge and sends no such events, so the log
// watches the show events themselves.
#pragma once

#include <QAccessible>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QString>

#include <ostream>
#include <utility>
#include <vector>

class AccessibleEventLog : public QObject {
public:
    struct Announcement {
        QString title;
        QString text;
        bool operator==(const Announcement&) const = default;
        friend void PrintTo(const Announcement& words, std::ostream* out)
        {
            *out << '"' << words.title.toStdString() << '|' << words.text.toStdString() << '"';
        }
    };

    AccessibleEventLog() { QCoreApplication::instance()->installEventFilter(this); }
    ~AccessibleEventLog() override { QCoreApplication::instance()->removeEventFilter(this); }

    // Notifications that appeared since the last take, oldest first.
    std::vector<Announcement> TakeAnnouncements() { return std::exchange(notices_, {}); }
    // Alerts that appeared since the last take: their names and descriptions.
    std::vector<Announcement> TakeAlerts() { return std::exchange(alerts_, {}); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || !watched->isWidgetType())
            return false;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(watched);
        if (!iface)
            return false;
        const Announcement words{iface->text(QAccessible::Name), iface->text(QAccessible::Description)};
        if (iface->role() == QAccessible::Notification)
            notices_.push_back(words);
        else if (iface->role() == QAccessible::AlertMessage)
            alerts_.push_back(words);
        return false;
    }

private:
    std::vector<Announcement> notices_;
    std::vector<Announcement> alerts_;
};
