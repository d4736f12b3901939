#include "app/setup_app.h"

namespace {
tqr::SetupApp the_app;
} // namespace

int main(int argc, char** argv)
{
    return the_app.run(argc, argv);
}
