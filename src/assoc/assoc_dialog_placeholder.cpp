#include "assoc/assoc_dialog.h"

// Placeholder until the association dialog exists: shows nothing.
bool ShowAssociationDialog()
{
    return false;
}
