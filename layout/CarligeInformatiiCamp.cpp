#include "layout/CarligeInformatiiCamp.h"

TCarligInformatiiCamp& InainteDeInformatiiCamp() {
    static TCarligInformatiiCamp carlig;
    return carlig;
}

TCarligInformatiiCamp& DupaInformatiiCamp() {
    static TCarligInformatiiCamp carlig;
    return carlig;
}
