#pragma once
// A serial line in memory. Its other end (a test or a rack emulator) sees every byte the program
// writes and every change of DTR as it happens, and hands bytes to the program with lever(): they
// arrive through the clock, from inside the event pump, as bytes from a real port would.
#include "platform/SerieleLijn.h"

#include <functional>
#include <memory>

namespace platform {

class GeheugenLijn : public SerieleLijn {
public:
    GeheugenLijn();
    ~GeheugenLijn() override;

    bool open() override;
    void sluit() override;
    bool isOpen() const override;
    QString foutmelding() const override;
    bool verloren() const override;

    void zetDTR(bool aan) override;
    bool dtr() const override;
    void zetRTS(bool aan) override;
    bool rts() const override;

    int aantalWachtend() override;
    QByteArray lees(int aantal) override;
    void schrijf(const QByteArray& bytes) override;
    void wisBuffers() override;

    // The other end.
    std::function<void(const QByteArray&)> bijSchrijven; // bytes as the program writes them
    std::function<void(bool)> bijDTR;                    // DTR raised (true) or dropped (false)
    // Bytes for the program, arriving `naMs` milliseconds from now. Bytes that arrive while the line
    // is closed are lost, as on a port.
    void lever(const QByteArray& bytes, qint64 naMs = 0);
    // Everything the program wrote since the last wisVerzonden().
    QByteArray verzonden() const;
    void wisVerzonden();
    // The next opening fails with this reason ("" opens normally).
    void zetOpenFout(const QString& reden);
    // The device fails while open (unplugged): the line closes itself and counts as lost.
    void verlies(const QString& reden);

private:
    struct Staat;
    std::shared_ptr<Staat> d;
};

} // namespace platform
