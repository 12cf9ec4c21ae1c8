#include "engine/vue.h"

// Both are stateless, so one shared instance of each is enough.
Vue& vueNulle() {
    static VueNulle v;
    return v;
}

Minuteurs& minuteursNuls() {
    static MinuteursNuls m;
    return m;
}
