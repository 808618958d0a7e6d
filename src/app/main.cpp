// pyknoscope: the viewer for crystallographic electron-density maps.
#include "app/app.h"

int main(int argc, char** argv) {
  pyk::CPyknoscopeApp app;
  return app.Run(argc, argv);
}
