// Runs before the module's own script: a browser without WebAssembly gets a plain sentence
// instead of a blank page, and the module waits for the page's glue to start the game.
if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
  const notice = document.getElementById('notice');
  notice.textContent =
      'SMASHBOL 2002 potřebuje prohlížeč s WebAssembly; tento prohlížeč jej nemá.';
  throw new Error('no WebAssembly');
}
Module['print'] = (text) => console.log(text);
Module['printErr'] = (text) => console.warn(text);
