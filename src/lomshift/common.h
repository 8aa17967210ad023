#pragma once
// The converter's program-wide settings: what is converted with which stylesheet, and where the results go.

#include <QString>

namespace ts::lomshift {

struct Common {
    QString conversionType;    // "Metadata" or "Manifest"; empty until the first step is checked
    QString xslPath;           // the stylesheet, relative to the program folder
    bool saveOriginal = false; // write each converted file over its source (keeping a backup)
    bool saveNew = false;      // write each converted file into newFileLocation
    QString newFileLocation;   // kept by initVars
    bool saveAsZip = false;    // recorded only
};
Common &common();

// Empties the conversion type and stylesheet and clears the three switches.
void initVars();

// The stylesheet of a conversion type ("xsl/metadataTransform.xsl"...); empty for any other type.
QString stylesheetFor(const QString &conversionType);

// True when a folder of that path exists.
bool folderExists(const QString &path);
// Creates that one folder; its parent must exist. Throws the file system's error (76 for a missing parent).
void createFolder(const QString &path);

} // namespace ts::lomshift
