#include "CAboutDlg.h"

#include "CLanguageTable.h"
#include "CSkDisplayPic.h"
#include "DialogBuilder.h"
#include "TranslateDialog.h"

#include <QAbstractButton>

namespace {

constexpr int kAboutTemplate = 100;
constexpr int kIconControl = 1300;
constexpr int kOkButton = 1;

} // namespace

CAboutDlg::CAboutDlg(const CLanguageTable& language, const QIcon& icon, QWidget* parent) : QDialog(parent)
{
    BuildDialogFromTemplate(this, kAboutTemplate);
    setWindowTitle(language.GetText(QStringLiteral("App Name")));
    if (auto* picture = FindControlAs<CSkDisplayPic>(this, kIconControl))
        picture->SetIcon(icon);
    TranslateDialog(this, language);
    if (auto* ok = FindControlAs<QAbstractButton>(this, kOkButton))
        connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
}
