// What every wizard page shares: it is a skinned child page of the frame,
// built from its template, and reaches the frame and the run's data
// through the host.
#pragma once

#include "CPolygonDialog.h"
#include "DialogBuilder.h"
#include "UserMessage.h"

#include <QRect>

#include <cstdint>
#include <optional>

class CLanguageTable;
class CWndCommonAttr;
class QLabel;
class WizardHost;
struct WizardData;

class CWizardPage : public CPolygonDialog {
    Q_OBJECT
public:
    // The circle every page picture draws for the step number to sit in.
    static constexpr QRect kStepBadge{10, 6, 60, 60};

    // The skin path is written as the program names its files ("%s" being
    // the program folder), e.g. "%sSkin\Background2.bmp".
    CWizardPage(int templateId, const QString& skinPath, QWidget* parent, WizardHost& host);
    ~CWizardPage() override;

    // A program-folder path: "%s" replaced by the folder ending in '/'.
    static QString ProgramPath(const QString& pathWithFolder);

    // Where the keyboard starts when the page opens: its first field. Null
    // leaves it to the frame's Next.
    virtual QWidget* FirstFocus() const;
    // Checks the page's entries and stores them in the run's records; false,
    // after a warning, when an entry is wrong. Pages without entries have
    // nothing to collect.
    virtual bool CollectSettings() { return false; }

    // Tells a screen reader the page's title and what the page says beyond
    // its fields, and names the page so: the frame calls it when the page
    // opens, for the focus may stay on Next and say nothing new.
    void Announce();

protected:
    // The big number each step's page shows in its corner.
    static constexpr int kStepNumber = 1174;

    WizardHost& Host() const { return host_; }
    WizardData& Data() const;
    const CLanguageTable& Language() const;

    template <class T>
    T* Control(int id) const
    {
        return FindControlAs<T>(this, id);
    }
    CWndCommonAttr* Attr(int id) const;
    // The text of a line edit; empty when there is none with the id.
    QString EditText(int id) const;
    void SetEditText(int id, const QString& text);
    // The address an address entry holds; 0 when there is none with the id.
    std::uint32_t AddressValue(int id) const;
    // The chosen line of a drop-down list; `fallback` when there is none with the id.
    int ListIndex(int id, int fallback = 0) const;

    // The page's step number: the font face of the settings at 2880 ÷ DPI,
    // bold italic, centred in its circle.
    void ApplyStepNumberStyle();
    // Translates the page and puts its step number into its circle.
    void Translate();
    // Shows the page's warning for a failed check; true when there was none.
    bool PassedCheck(const std::optional<UserMessage>& failure) const;
    void ShowTranslated(const UserMessage& message) const;
    // The words of the page's picture, for those who cannot see it; empty
    // when the picture shows nothing the texts do not say.
    virtual QString PictureText() const { return {}; }

private:
    void PlaceStepNumber();
    const QLabel* TitleLabel() const;
    // The picture's words, then every shown text that neither names nor
    // describes a field, in reading order.
    QString SpokenText() const;

    WizardHost& host_;
};
