#pragma once

// The core's messages in the user's language, for the windows: each
// template goes through the programs' catalogue under the context
// "CMessage", and its arguments are filled in, messages among them
// translated in turn. A template no catalogue knows stays English.

#include "objects/Message.h"

#include <QtCore/QString>

QString TranslatedMessage(const CMessage& message);
