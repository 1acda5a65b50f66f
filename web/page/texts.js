// The page's own words beyond the game's: the touch screen's buttons, the recording's menu and
// its offer, the offline copy's notice. All in one table.
Module.smashbolTexts = {
  left: 'Doleva',
  right: 'Doprava',
  pause: 'Pauza (P)',
  recordingMenu: '&Nahrávka',
  recordingDownload: '&Stáhnout nahrávku',
  matchOver: 'Zápas skončil.',
  download: 'Stáhnout nahrávku',
  close: 'Zavřít',
  updated: 'Nová verze hry je stažená; platí od příštího spuštění.',
};
