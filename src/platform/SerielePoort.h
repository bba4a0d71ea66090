#pragma once
// A serial line on a real device through QSerialPort: binary input, no handshake, DTR and RTS low right
// after opening (Linux raises them). A pseudo-terminal refuses DTR and RTS; that refusal is ignored.
// A device that fails while open (read, write or resource error: unplugged, or the other end of a
// pseudo-terminal closed) is closed at once and the line counts as lost: left open, such a device
// wakes the event loop without end.
#include "platform/SerieleLijn.h"

#include <QSerialPort>

namespace platform {

class SerielePoort : public SerieleLijn {
public:
    SerielePoort();
    ~SerielePoort() override;

    bool open() override;
    void sluit() override;
    bool isOpen() const override { return m_port.isOpen() && !m_verloren; }
    QString foutmelding() const override { return m_fout; }
    bool verloren() const override { return m_verloren; }

    void zetDTR(bool aan) override;
    bool dtr() const override { return m_dtr; }
    void zetRTS(bool aan) override;
    bool rts() const override { return m_rts; }

    int aantalWachtend() override;
    QByteArray lees(int aantal) override;
    void schrijf(const QByteArray& bytes) override;
    void wisBuffers() override;

protected:
    void pasInstellingenToe() override;

private:
    QSerialPort m_port;
    QString m_fout;
    bool m_dtr = false;
    bool m_rts = false;
    bool m_verloren = false;
    bool m_geenModemlijnen = false; // the device refused a modem line (a pseudo-terminal)

    void bijFout(QSerialPort::SerialPortError fout);
};

} // namespace platform
