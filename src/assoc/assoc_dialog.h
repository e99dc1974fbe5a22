#pragma once
// The setup screen: switches the Explorer menu entry on or off.

// Shows the association dialog modally; true when it ended with OK.
bool ShowAssociationDialog();
