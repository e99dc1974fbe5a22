#include "app/cmdline_split.h"

#include "app/ansi_lead_byte.h"

#include <stdlib.h>

static unsigned Unit(char c)
{
    return static_cast<unsigned char>(c);
}

static unsigned Unit(wchar_t c)
{
    return static_cast<unsigned>(c);
}

template <typename C>
static bool IsBlank(C c)
{
    return c == static_cast<C>(' ') || c == static_cast<C>('\t');
}

// The counting pass only advances the position.
template <typename C>
static void Put(SplitPass<C>* pass, C c)
{
    if (pass->area) {
        pass->area[pass->used] = c;
    }
    ++pass->used;
}

template <typename C>
static void SetEntry(SplitPass<C>* pass, int index, C* entry)
{
    if (pass->argv) {
        pass->argv[index] = entry;
    }
}

template <typename C>
static C* AreaEnd(SplitPass<C>* pass)
{
    return pass->area ? pass->area + pass->used : nullptr;
}

// A lead unit takes the next one with it, unless that is the terminator.
template <typename C>
static const C* CopyOneChar(SplitPass<C>* pass, const C* text)
{
    if (pass->isLead && pass->isLead(Unit(*text)) && text[1] != static_cast<C>(0)) {
        Put(pass, *text++);
    }
    Put(pass, *text++);
    return text;
}

// Each reads one argument at text, writes it and its NUL at the current end
// of the string area, and returns where it stopped in the text.
template <typename C>
static const C* ReadFirstArgument(SplitPass<C>* pass, const C* text)
{
    if (*text == static_cast<C>('"')) {
        ++text;
        while (*text != static_cast<C>(0) && *text != static_cast<C>('"')) {
            Put(pass, *text++);
        }
        if (*text == static_cast<C>('"')) {
            ++text;
        }
    } else {
        while (*text != static_cast<C>(0) && !IsBlank(*text)) {
            Put(pass, *text++);
        }
    }
    Put(pass, static_cast<C>(0));
    return text;
}

template <typename C>
static const C* ReadArgument(SplitPass<C>* pass, const C* text)
{
    bool quoted = false;
    for (;;) {
        size_t backslashes = 0;
        while (*text == static_cast<C>('\\')) {
            ++backslashes;
            ++text;
        }
        if (*text == static_cast<C>('"')) {
            for (size_t i = 0; i < backslashes / 2; ++i) {
                Put(pass, static_cast<C>('\\'));
            }
            if (backslashes % 2) {
                Put(pass, *text++);
                continue;
            }
            ++text;
            // A doubled quote inside quotes is one quote and ends the stretch.
            if (quoted && *text == static_cast<C>('"')) {
                Put(pass, *text++);
            }
            quoted = !quoted;
            continue;
        }
        for (size_t i = 0; i < backslashes; ++i) {
            Put(pass, static_cast<C>('\\'));
        }
        if (*text == static_cast<C>(0) || (!quoted && IsBlank(*text))) {
            Put(pass, static_cast<C>(0));
            return text;
        }
        text = CopyOneChar(pass, text);
    }
}

template <typename C>
static const C* SkipBlanks(const C* text)
{
    while (IsBlank(*text)) {
        ++text;
    }
    return text;
}

template <typename C>
int SplitRunPass(SplitPass<C>* pass, const C* text, size_t* size)
{
    pass->used = 0;
    SetEntry(pass, 0, pass->area);
    text = ReadFirstArgument(pass, text);
    int count = 1;
    text = SkipBlanks(text);
    while (*text != static_cast<C>(0)) {
        SetEntry(pass, count, AreaEnd(pass));
        text = ReadArgument(pass, text);
        ++count;
        text = SkipBlanks(text);
    }
    SetEntry(pass, count, static_cast<C*>(nullptr));
    *size = (static_cast<size_t>(count) + 1) * sizeof(C*) + pass->used * sizeof(C);
    return count;
}

template <typename C>
C** SplitCommandLineWith(const C* text, int* count, SplitLeadTest isLead)
{
    SplitPass<C> pass = {isLead, nullptr, nullptr, 0};
    size_t size = 0;
    *count = SplitRunPass(&pass, text, &size);
    if (size == 0) {
        return nullptr;
    }
    C** block = static_cast<C**>(malloc(size));
    if (!block) {
        return nullptr;
    }
    pass.argv = block;
    pass.area = reinterpret_cast<C*>(block + *count + 1);
    *count = SplitRunPass(&pass, text, &size);
    return block;
}

char** SplitCommandLine(const char* text, int* count)
{
    return SplitCommandLineWith(text, count, AnsiIsLeadByte);
}

wchar_t** SplitCommandLineW(const wchar_t* text, int* count)
{
    return SplitCommandLineWith(text, count, nullptr);
}

template int SplitRunPass(SplitPass<char>*, const char*, size_t*);
template char** SplitCommandLineWith(const char*, int*, SplitLeadTest);
template int SplitRunPass(SplitPass<wchar_t>*, const wchar_t*, size_t*);
template wchar_t** SplitCommandLineWith(const wchar_t*, int*, SplitLeadTest);
