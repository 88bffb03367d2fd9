#include "DialogRelayout.h"

#include "ControlId.h"
#include "DialogBuilder.h"
#include "DialogTemplate.h"
#include "ScreenDpi.h"

void DialogRelayout::ApplyForScreen(QWidget* dialog, int templateId)
{
    if (ScreenDpi() != kTemplateDpi)
        Apply(dialog, templateId, kTemplateDpi);
}

void DialogRelayout::Apply(QWidget* dialog, int templateId, double dpi)
{
    Restore();
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    if (!dialog || !dialogTemplate)
        return;
    dialog_ = dialog;
    previousFonts_.emplace_back(dialog, dialog->font());
    ApplyTemplateFrame(dialog, *dialogTemplate, dpi);
    const QFont font = TemplateFont(*dialogTemplate, dpi);

    // Controls are matched in template order, each search going on from the
    // previous match; the first item without a control ends the pass.
    const QList<QWidget*> children = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    qsizetype next = 0;
    for (const DialogItem& item : dialogTemplate->items) {
        qsizetype found = next;
        while (found < children.size() && ControlIdOf(children[found]) != item.id)
            ++found;
        if (found == children.size())
            return;
        QWidget* control = children[found];
        previousFonts_.emplace_back(control, control->font());
        control->setGeometry(DialogUnitsToPixels(item.rect));
        control->setFont(font);
        next = found + 1;
    }
}

void DialogRelayout::Restore()
{
    for (auto& [widget, font] : previousFonts_) {
        if (widget)
            widget->setFont(font);
    }
    previousFonts_.clear();
    dialog_.clear();
}
