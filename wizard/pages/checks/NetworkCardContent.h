// What the printable network card says, in the wizard's language: the
// wireless network to join and the Internet settings that were applied.
#pragma once

#include "WizardData.h"

#include <QDate>
#include <QList>
#include <QString>

struct CardLine {
    QString label;
    QString value;

    bool operator==(const CardLine&) const = default;
};

struct NetworkCardContent {
    QString title;
    QList<CardLine> wireless;
    QString joinCode;       // the WIFI: text of the QR code
    QString scanHint;
    QString internetTitle;
    QList<CardLine> internet;
    QString dateLine;
};

NetworkCardContent MakeNetworkCard(const WizardData& data, const QDate& date);
