// IPv4 entry of four octets. Dotted text can be typed or pasted; the value
// is a 32-bit number in host order, and 0 shows as 0.0.0.0.
#pragma once

#include <QFrame>

#include <array>
#include <cstdint>

class QLineEdit;

class CIpAddressEdit : public QFrame {
    Q_OBJECT
public:
    explicit CIpAddressEdit(QWidget* parent = nullptr);

    std::uint32_t Value() const;
    void SetValue(std::uint32_t value);
    QString Text() const;
    // Takes up to four dot-separated numbers; missing or bad parts become 0,
    // numbers above 255 become 255.
    void SetText(const QString& dotted);

signals:
    void ValueChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int OctetIndex(QObject* watched) const;
    void OnOctetEdited(int index);
    void FocusOctet(int index);

    std::array<QLineEdit*, 4> octets_{};
};
