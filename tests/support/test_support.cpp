// Anchor for the shared fakes; most of them are header-only.
