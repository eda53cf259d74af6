#pragma once
// Storing an edited or new part definition: its own file at once, then the cache, then the
// bricks that show it.

class TBlockList;
class TDrawClass;

// Writes the definition to PartName.tsp in the parts folder (which takes precedence over any
// multi-part file on reading) and makes the cache hold it: copied into the cached definition
// of its name, or registered as a new one. Returns the cached definition. A part name that
// cannot name a file there, or a failed write, raises TError and leaves the cache as it was.
TDrawClass& StorePartDefinition(TDrawClass& definition);

// Gives every brick of the list bound to the definition its (possibly new) sizes; true when a
// brick of that part is in the list.
bool RebindGeneralBlocks(TBlockList& list, const TDrawClass& definition);
