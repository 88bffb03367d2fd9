#include "ProgressTask.h"

#include "CLanguageTable.h"

QString ProgressTextKey(int task)
{
    switch (task) {
    case TaskLinkCheck:
        return QStringLiteral(LANG_KEY("prg_link"));
    case TaskAutoDetect:
        return QStringLiteral(LANG_KEY("prg_auto"));
    case TaskAccountCheck:
        return QStringLiteral(LANG_KEY("prg_check"));
    case TaskSave:
        return QStringLiteral(LANG_KEY("prg_save"));
    case TaskReboot:
        return QStringLiteral(LANG_KEY("prg_reboot"));
    default:
        return {};
    }
}
