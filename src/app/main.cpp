#include "app/CVEXA2aApp.h"

int main(int argc, char** argv) {
    orvan::CVEXA2aApp app(argc, argv);
    return app.Run();
}
