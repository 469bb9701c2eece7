#include "TableTool.h"

int main(int argc, char *argv[])
{
    return runTableTool(argc, argv);
}
