#pragma once

class Form1;
class ProgramSettings;

// Puts the appearance kept in Settings.ini onto the document window.
class DocumentStyle
{
public:
    // The stored colours and font; what is not stored, or not usable, stays as it is.
    static void applyStored(Form1& document, const ProgramSettings& settings);
};
