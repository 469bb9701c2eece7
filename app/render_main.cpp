#include "RenderTool.h"

int main(int argc, char *argv[])
{
    return runRenderTool(argc, argv);
}
