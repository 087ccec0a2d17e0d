#pragma once
// The 13 toolbar and menu pictures, drawn by the program itself.
#include <QIcon>

enum IconIndex {
    IconNew, IconOpen, IconSave, IconExit, IconCut, IconCopy, IconPaste, IconHelp,
    IconStart, IconBreak, IconClear, IconRandom, IconColorRandom, IconCount
};

QIcon ImageList1(int index); // an empty icon for -1
