#pragma once

#include <QRandomGenerator>
#include <QTime>

namespace vun {

// A source of uniform numbers u with 0 <= u < 1. Injected wherever chance decides,
// so that tests can script every draw.
class Zufallsquelle {
public:
    virtual ~Zufallsquelle() = default;
    virtual double naechste() = 0;
    // Seeds the source from the time of day; a scripted source keeps its script.
    virtual void Randomize() {}
};

// The program's source: seeded once at start-up from the time of day, never reseeded.
class Zufallsgenerator : public Zufallsquelle {
public:
    explicit Zufallsgenerator(quint32 saat = 0) : generator_(saat) {}
    double naechste() override { return generator_.generateDouble(); }
    void Randomize() override;

private:
    QRandomGenerator generator_;
};

// The seed the program starts with: the seconds since midnight.
quint32 sekundenSeitMitternacht(const QTime& zeit = QTime::currentTime());

} // namespace vun
