#include "SERVICE/KC_GAME_SERVICE.h"
#include "platform/host.h"

int main(int argc, char** argv) {
  if (KOR::host_message_box_process(argc, argv)) return 0;
  return KOR::service_main();
}
