// The context-menu entry as the other architecture's build sees it. Built
// from the program's own registry sources with the other mingw-w64 toolchain.
//   verb_probe write CLASS FILE   WriteVerb with FILE = menu text, NUL, command line
//   verb_probe read CLASS FILE    ReadVerb into FILE, same layout
// Exit code: 0 done, 1 the operation returned false, 2 bad use or file error.
#include <stdio.h>
#include <string.h>

#include "assoc/settings.h"
#include "assoc/verb.h"

static char menuText[ASSOC_MENU_TEXT_SIZE];
static char commandLine[ASSOC_COMMAND_LINE_SIZE];

int main(int argc, char** argv)
{
    if (argc != 4) return 2;
    if (strcmp(argv[1], "write") == 0) {
        static char data[ASSOC_MENU_TEXT_SIZE + ASSOC_COMMAND_LINE_SIZE + 1];
        FILE* f = fopen(argv[3], "rb");
        if (!f) return 2;
        const size_t n = fread(data, 1, sizeof data - 1, f);
        fclose(f);
        data[n] = '\0';
        return WriteVerb(argv[2], data, data + strlen(data) + 1) ? 0 : 1;
    }
    if (strcmp(argv[1], "read") == 0) {
        if (!ReadVerb(argv[2], menuText, commandLine)) return 1;
        FILE* f = fopen(argv[3], "wb");
        if (!f) return 2;
        fwrite(menuText, 1, strlen(menuText) + 1, f);
        fwrite(commandLine, 1, strlen(commandLine), f);
        return fclose(f) == 0 ? 0 : 2;
    }
    return 2;
}
