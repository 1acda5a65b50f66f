// The page's own words beyond the game's: the touch screen's buttons, the recording's menu and
// its offer, the offline copy's notice. All in one table, in Czech, the game's own language;
// each is read in the language shown (po/*.po has their translations).
(function () {
  'use strict';

  const later = (czech) => czech;  // marks a text for the translators' tools
  const czech = {
    left: later('Doleva'),
    right: later('Doprava'),
    pause: later('Pauza (P)'),
    recordingMenu: later('&Nahrávka'),
    recordingDownload: later('&Stáhnout nahrávku'),
    matchOver: later('Zápas skončil.'),
    download: later('Stáhnout nahrávku'),
    close: later('Zavřít'),
    updated: later('Nová verze hry je stažená; platí od příštího spuštění.'),
  };
  Module.smashbolTexts = new Proxy(czech, {
    get: (table, key) => {
      const page = Module.smashbolPage;
      return page && page.shown ? page.shown(table[key]) : table[key];
    },
  });
})();
