// The page on a touch screen, and its night mode: the menu button (☰) and a
// long press open the menu the right click opens; 夜間表示 draws the page red
// on black (skycalc.css, the #night-red filter) and is saved by the logic with
// its settings. The phone layout itself is skycalc.css's.
'use strict';

(function (page) {
  const LONG_PRESS_MS = 500;   // held this long without moving, a touch opens the menu
  const LONG_PRESS_SLOP = 10;  // CSS px a finger may drift during it
  const THEME = { day: '#000080', night: '#000000' };
  const { menu } = page;
  const anyBoxOpen = () => document.querySelector('dialog[open]') !== null;

  function showMenuAt(x, y) {
    if (page.logic() && !anyBoxOpen()) menu.show(x, y);
  }

  // --- The menu button ------------------------------------------------------
  const button = document.getElementById('menu-button');
  // Its own mousedown would close the menu it opened (the page closes it on a press elsewhere).
  button.addEventListener('mousedown', (event) => { event.stopPropagation(); page.closeAllLists(); });
  button.addEventListener('click', () => {
    if (menu.open) { menu.hide(); return; }
    const rect = button.getBoundingClientRect();
    showMenuAt(rect.right, rect.bottom);
  });

  // --- The long press ---------------------------------------------------------
  // A finger held still on the window opens the menu; the key under it is not pressed.
  const windowElement = document.getElementById('window');
  let press = null;  // { id, x, y, timer }
  const cancelPress = () => { if (press) clearTimeout(press.timer); press = null; };
  windowElement.addEventListener('pointerdown', (event) => {
    if (event.pointerType !== 'touch' || press) return;
    const { clientX: x, clientY: y, pointerId: id } = event;
    press = { id, x, y, timer: setTimeout(() => {
      press = null;
      if (!menu.open) showMenuAt(x, y);
      swallowClick();
    }, LONG_PRESS_MS) };
  });
  windowElement.addEventListener('pointermove', (event) => {
    if (press && event.pointerId === press.id && Math.hypot(event.clientX - press.x, event.clientY - press.y) > LONG_PRESS_SLOP) cancelPress();
  });
  for (const type of ['pointerup', 'pointercancel']) windowElement.addEventListener(type, cancelPress);
  // The browser's own long-press menu (a touch's contextmenu) would come on top of this one.
  windowElement.addEventListener('contextmenu', (event) => {
    if (!menu.open) return;
    event.preventDefault();
    event.stopImmediatePropagation();
  }, true);

  // The click that ends a long press is not a key press.
  function swallowClick() {
    const swallow = (event) => { event.stopPropagation(); event.preventDefault(); };
    windowElement.addEventListener('click', swallow, { capture: true, once: true });
    setTimeout(() => windowElement.removeEventListener('click', swallow, { capture: true }), 1000);
  }

  // --- The boxes ----------------------------------------------------------------
  // A box fills a phone's screen and scrolls; it opens at its top left corner, even
  // when the button it focuses lies further right.
  new MutationObserver((changes) => {
    for (const { target } of changes) {
      if (!target.open) continue;
      fitForTouch(target);
      target.scrollTo(0, 0);
    }
  }).observe(document.body, { subtree: true, attributeFilter: ['open'] });

  // A box's form is laid out for a mouse (buttons 14 dialog units high, 9-unit check boxes). On a
  // phone its buttons move to a bar at the box's foot, the closing one last, and its check boxes to
  // a bar under the caption, each a touch-sized key; the form's other controls keep their places.
  // The phone layout is on when skycalc.css's media query sets --phone-layout.
  const phoneLayout = () => getComputedStyle(document.documentElement).getPropertyValue('--phone-layout').trim() === '1';
  const CLOSING = new Set(['IDOK', 'IDCANCEL']);
  function fitForTouch(dialog) {
    if (!phoneLayout() || dialog.classList.contains('message') || dialog.querySelector('.box-actions, .box-toggles')) return;
    const client = dialog.querySelector(':scope > .client');
    if (!client) return;
    const inReadingOrder = (a, b) => a.offsetTop - b.offsetTop || a.offsetLeft - b.offsetLeft;
    const toggles = [...client.querySelectorAll(':scope > .control.radio')].sort(inReadingOrder);
    const buttons = [...client.querySelectorAll(':scope > .control.button')].sort(inReadingOrder);
    buttons.sort((a, b) => CLOSING.has(a.dataset.name) - CLOSING.has(b.dataset.name));
    if (toggles.length) barOf('box-toggles', toggles, client, 'before');
    if (buttons.length) barOf('box-actions', buttons, client, 'after');
  }
  // The controls, in their order, in a new bar before or after the client.
  function barOf(className, controls, client, where) {
    const bar = page.make('div', className);
    bar.append(...controls);
    client[where](bar);
  }

  // --- Night mode -------------------------------------------------------------
  function showNight(night) {
    document.documentElement.classList.toggle('night', night);
    const theme = document.querySelector('meta[name=theme-color]');
    if (theme) theme.content = night ? THEME.night : THEME.day;
  }

  // The menu's 夜間表示: the logic keeps it (and saves it with the settings when the page closes).
  function setNightMode(night) {
    const logic = page.logic();
    if (!logic) return;
    logic._skycalc_set_night(night ? 1 : 0);
    showNight(logic._skycalc_is_night() === 1);
  }

  // As the logic read it from the settings, once loaded.
  window.skycalcPage.start.then(() => {
    const logic = page.logic();
    if (logic) showNight(logic._skycalc_is_night() === 1);
  });

  Object.assign(page, { setNightMode });
})(window.SkyCalcPage = window.SkyCalcPage || {});
