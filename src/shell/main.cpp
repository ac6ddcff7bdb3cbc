#include "SERVICE/KC_GAME_SERVICE.h"

int main() { return KOR::service_main(); }
