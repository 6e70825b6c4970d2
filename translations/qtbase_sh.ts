<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sh">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Datoteka</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Fascikla</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disk</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Precica</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Alijas</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Nepoznato</translation>
    </message>
</context>
<context>
    <name>QAbstractSpinBox</name>
    <message>
        <source>&amp;Select All</source>
        <translation>&amp;Izaberi sve</translation>
    </message>
    <message>
        <source>&amp;Step up</source>
        <translation>&amp;Povecaj</translation>
    </message>
    <message>
        <source>Step &amp;down</source>
        <translation>&amp;Smanji</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Upotreba: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcije]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcije:</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumenti:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Prikazuje pomoc za komandnu liniju.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Prikazuje pomoc zajedno sa opcijama Qt-a.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Prikazuje verziju programa.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nepoznate opcije: %1.</translation>
    </message>
    <message>
        <source>Unknown option '%1'.</source>
        <translation>Nepoznata opcija '%1'.</translation>
    </message>
    <message>
        <source>Missing value after '%1'.</source>
        <translation>Nedostaje vrednost posle '%1'.</translation>
    </message>
    <message>
        <source>Unexpected value after '%1'.</source>
        <translation>Neocekivana vrednost posle '%1'.</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>Posao</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>Upravljanje poslom</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>Vreme stampe:</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>Odmah</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>Zadrzi</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>Danju (06:00 do 17:59)</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>Nocu (18:00 do 05:59)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>Druga smena (16:00 do 23:59)</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>Treca smena (00:00 do 07:59)</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>Vikendom (subota i nedelja)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>U zadato vreme</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>Podaci za naplatu:</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>Prioritet posla:</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>Naslovne stranice</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Pocetak:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Kraj:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Bez</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standardno</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>Neklasifikovano</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>Poverljivo</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>Klasifikovano</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>Tajno</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>Strogo poverljivo</translation>
    </message>
</context>
<context>
    <name>QCupsPrinterSupport</name>
    <message>
        <source>Authentication Needed</source>
        <translation>Potrebna je prijava</translation>
    </message>
    <message>
        <source>Authentication needed to use %1.</source>
        <translation>Za upotrebu %1 potrebna je prijava.</translation>
    </message>
    <message>
        <source>Authentication needed to use %1 on %2.</source>
        <translation>Za upotrebu %1 na %2 potrebna je prijava.</translation>
    </message>
    <message>
        <source>Username:</source>
        <translation>Korisnicko ime:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Lozinka:</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Look in:</source>
        <translation>Trazi u:</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>&amp;Naziv datoteke:</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>Vrsta datoteka:</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Otvori</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Snimi kao</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>&amp;Izaberi</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Nazad</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>Idi nazad</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Napred</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>Idi napred</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>Nadredjena fascikla</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>Idi u nadredjenu fasciklu</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>Napravi novu fasciklu</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nova fascikla</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>&amp;Nova fascikla</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>Spisak</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>Prikazi kao spisak</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>Detalji</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>Prikazi sa detaljima</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Bocna traka</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>Spisak mesta i obelezivaca</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>Skorasnja mesta</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Datoteke</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>Fascikle</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>Fascikla:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>Pronadji fasciklu</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Sve datoteke (*)</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>Prikazi </translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>Prikazi &amp;skrivene datoteke</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>&amp;Preimenuj</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>O&amp;brisi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obrisi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Ukloni</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>Da li ste sigurni da zelite da obrisete '%1'?</translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' je zasticena od upisa.
Da li ipak zelite da je obrisete?</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>Fasciklu nije moguce obrisati.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 vec postoji.
Da li zelite da je zamenite?</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
Datoteka nije pronadjena.
Proverite da li je naziv datoteke ispravan.</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
Fascikla nije pronadjena.
Proverite da li je naziv fascikle ispravan.</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Name</source>
        <translation>Naziv</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velicina</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Vrsta</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Datum izmene</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Racunar</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>Moj racunar</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;U redu</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Snimi</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zatvori</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Zatvori bez snimanja</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Odustani</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ise&amp;ci</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obrisi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>Prikazi detalje...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>Sakrij detalje...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Paper</source>
        <translation>Papir</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>Velicina stranice:</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Sirina:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Visina:</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>Izvor papira:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Polozaj</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Uspravno</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Polozeno</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>Obrnuto polozeno</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>Obrnuto uspravno</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>Margine</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>gornja margina</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>leva margina</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>desna margina</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>donja margina</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>Raspored stranica</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>Redosled stranica:</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>Stranica po listu:</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>Milimetri (mm)</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>Inci (in)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>Tacke (pt)</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Proizvoljno</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>U redu</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Odustani</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Snimi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvori</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zatvori</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Prekini</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Primeni</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ponisti</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Pokusaj ponovo</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Vrati podrazumevano</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Zanemari</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>N&amp;e za sve</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Snimi sve</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odbaci</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Da za &amp;sve</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Stampaj</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampaj</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>&amp;Opcije &gt;&gt;</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>&amp;Opcije &lt;&lt;</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>Sve stranice</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>Neparne stranice</translation>
    </message>
    <message>
        <source>Even Pages</source>
        <translation>Parne stranice</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>Stampaj u datoteku (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>Stampaj u datoteku ...</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Lokalna datoteka</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>Upisi PDF datoteku</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>S leva na desno, odozgo nadole</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>S leva na desno, odozdo nagore</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>S desna na levo, odozdo nagore</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>S desna na levo, odozgo nadole</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>Odozdo nagore, s leva na desno</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>Odozdo nagore, s desna na levo</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>Odozgo nadole, s leva na desno</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>Odozgo nadole, s desna na levo</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>Neispravno zadate stranice</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 nije ispravno zadato. Stranice i opsege odvojite sa ',', opseg zadajte sa '-' i pazite da se opsezi ne preklapaju.</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>Pocetna stranica ne moze biti veca od krajnje.</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>Opcije 'Stranica po listu' i 'Skup stranica' ne mogu se koristiti zajedno.
Iskljucite jednu od njih.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 vec postoji.
Da li zelite da je zamenite?</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 je fascikla.
Izaberite drugi naziv datoteke.</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>U datoteku %1 nije moguce upisivati.
Izaberite drugi naziv datoteke.</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>Sukob podesavanja dvostrane stampe</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>Podesavanja dvostrane stampe su u sukobu. Da li zelite da ih ispravite?</translation>
    </message>
</context>
<context>
    <name>QPrintPreviewDialog</name>
    <message>
        <source>Print Preview</source>
        <translation>Pregled pre stampe</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampaj</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Podesavanje stranice</translation>
    </message>
    <message>
        <source>Page setup</source>
        <translation>Podesavanje stranice</translation>
    </message>
    <message>
        <source>Export to PDF</source>
        <translation>Izvezi u PDF</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Sledeca stranica</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Prethodna stranica</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>Prva stranica</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>Poslednja stranica</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Prilagodi sirini</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Prilagodi stranici</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Uvecaj</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Umanji</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Uspravno</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Polozeno</translation>
    </message>
    <message>
        <source>Show single page</source>
        <translation>Prikazi jednu stranicu</translation>
    </message>
    <message>
        <source>Show facing pages</source>
        <translation>Prikazi dve susedne stranice</translation>
    </message>
    <message>
        <source>Show overview of all pages</source>
        <translation>Prikazi pregled svih stranica</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Printer Properties</source>
        <translation>Svojstva stampaca</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>Opcije posla</translation>
    </message>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>Sukob naprednih opcija</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>Sukob podesavanja stranice</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>Neke napredne opcije su u sukobu. Da li zelite da ih ispravite?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>Podesavanja stranice su u sukobu. Da li zelite da ih ispravite?</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Page</source>
        <translation>Stranica</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Napredno</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>Neke opcije su u sukobu. Ispravite ih.</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>Print range</source>
        <translation>Opseg stampe</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>Sve</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>Stranice od</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Stranice</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>Trenutna stranica</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Izbor</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>Skup stranica:</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>Izlazna podesavanja</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>Broj primeraka:</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>Slozi po primercima</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Obrnutim redom</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>Primerci</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>Boje</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>U boji</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Nijanse sive</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>Dvostrana stampa</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Iskljuceno</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>Povez po duzoj ivici</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>Povez po kracoj ivici</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcije</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>Zadajte stranice ili opsege odvojene zarezima. Opseg se zadaje sa dva broja odvojena crticom. Na primer 3,5-7,9 stampa stranice 3, 5, 6, 7 i 9.</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Printer</source>
        <translation>Stampac</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naziv:</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Svojstva</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lokacija:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Pregled</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Tip:</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>&amp;Izlazna datoteka:</translation>
    </message>
</context>
<context>
    <name>QTabBar</name>
    <message>
        <source>Scroll Left</source>
        <translation>Pomeri ulevo</translation>
    </message>
    <message>
        <source>Scroll Right</source>
        <translation>Pomeri udesno</translation>
    </message>
</context>
<context>
    <name>QUnicodeControlCharacterMenu</name>
    <message>
        <source>Insert Unicode control character</source>
        <translation>Umetni Unicode kontrolni znak</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Opozovi</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponovi</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Ise&amp;ci</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiraj</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Nalepi</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Obrisi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Izaberi sve</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>Kopiraj adresu &amp;veze</translation>
    </message>
</context>
</TS>
