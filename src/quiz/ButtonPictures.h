#pragma once

#include <QIcon>

// The small pictures beside the captions of the document window's print and save buttons.
QIcon printerPicture();
QIcon diskPicture();
