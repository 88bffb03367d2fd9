#include "CIpAddressEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace {

int OctetFromText(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0)
        return 0;
    return std::min(value, 255);
}

} // namespace

CIpAddressEdit::CIpAddressEdit(QWidget* parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            layout->addWidget(new QLabel(QStringLiteral("."), this));
        auto* octet = new QLineEdit(this);
        octet->setFrame(false);
        octet->setAlignment(Qt::AlignCenter);
        octet->setValidator(digits);
        octet->installEventFilter(this);
        connect(octet, &QLineEdit::textEdited, this, [this, i] { OnOctetEdited(i); });
        layout->addWidget(octet, 1);
        octets_[static_cast<std::size_t>(i)] = octet;
    }
    SetValue(0);
}

std::uint32_t CIpAddressEdit::Value() const
{
    std::uint32_t value = 0;
    for (const QLineEdit* octet : octets_)
        value = (value << 8) | static_cast<std::uint32_t>(OctetFromText(octet->text()));
    return value;
}

void CIpAddressEdit::SetValue(std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        octets_[static_cast<std::size_t>(i)]->setText(QString::number((value >> (24 - 8 * i)) & 0xFF));
    emit ValueChanged();
}

QString CIpAddressEdit::Text() const
{
    QStringList parts;
    for (const QLineEdit* octet : octets_)
        parts << QString::number(OctetFromText(octet->text()));
    return parts.join(u'.');
}

void CIpAddressEdit::SetText(const QString& dotted)
{
    const QStringList parts = dotted.trimmed().split(u'.');
    for (int i = 0; i < 4; ++i)
        octets_[static_cast<std::size_t>(i)]->setText(QString::number(i < parts.size() ? OctetFromText(parts[i]) : 0));
    emit ValueChanged();
}

int CIpAddressEdit::OctetIndex(QObject* watched) const
{
    for (int i = 0; i < 4; ++i) {
        if (octets_[static_cast<std::size_t>(i)] == watched)
            return i;
    }
    return -1;
}

void CIpAddressEdit::FocusOctet(int index)
{
    if (index < 0 || index > 3)
        return;
    QLineEdit* octet = octets_[static_cast<std::size_t>(index)];
    octet->setFocus();
    octet->selectAll();
}

void CIpAddressEdit::OnOctetEdited(int index)
{
    QLineEdit* octet = octets_[static_cast<std::size_t>(index)];
    if (octet->text().toInt() > 255)
        octet->setText(QStringLiteral("255"));
    if (octet->text().size() == 3)
        FocusOctet(index + 1);
    emit ValueChanged();
}

bool CIpAddressEdit::eventFilter(QObject* watched, QEvent* event)
{
    const int index = OctetIndex(watched);
    if (index < 0 || event->type() != QEvent::KeyPress)
        return QFrame::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Paste)) {
        const QString pasted = QApplication::clipboard()->text();
        if (pasted.contains(u'.')) {
            SetText(pasted);
            return true;
        }
        return false;
    }
    if (key->text() == QStringLiteral(".")) {
        if (!octets_[static_cast<std::size_t>(index)]->text().isEmpty())
            FocusOctet(index + 1);
        return true;
    }
    return false;
}
