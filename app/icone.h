#pragma once
// The application's icon, painted at build time at every size the windows
// and the task bar use.
#include <QIcon>

QIcon iconeBelvane();
