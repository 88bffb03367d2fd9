// Writes the network card as a one-page PDF to keep or print.
#pragma once

#include "NetworkCardContent.h"

// False when the file could not be written.
bool WriteNetworkCard(const NetworkCardContent& card, const QString& path, const QString& fontFace);
