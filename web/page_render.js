// The page's renderer: a display list (the panel's drawings) on a canvas.
'use strict';

(function (page) {
  // Draws a display list (DisplayListJson) to fill canvas, scaled evenly.
  // The canvas parses every font and colour it is given, so each is given
  // only when it changes (the stars of a whole sky share a few dozen).
  function drawDisplayList(canvas, list) {
    const context = canvas.getContext('2d');
    const scale = Math.min(canvas.width / list.width, canvas.height / list.height);
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.clearRect(0, 0, canvas.width, canvas.height);
    context.setTransform(scale, 0, 0, scale, (canvas.width - list.width * scale) / 2, (canvas.height - list.height * scale) / 2);
    if (list.background) {
      context.fillStyle = list.background;
      context.fillRect(0, 0, list.width, list.height);
    }
    context.lineCap = context.lineJoin = 'round';
    context.textBaseline = 'middle';
    const anchors = { start: 'left', middle: 'center', end: 'right' };
    let fill = null, stroke = null, width = null, font = null, align = null;
    const setFill = (colour) => { if (colour !== fill) context.fillStyle = fill = colour; };
    for (const item of list.items) {
      const p = item.points;
      if (item.shape === 'text') {
        const itemFont = `${item.fontSize}px sans-serif`;
        if (itemFont !== font) context.font = font = itemFont;
        if (anchors[item.anchor] !== align) context.textAlign = align = anchors[item.anchor];
        setFill(item.fill);
        context.fillText(item.text, p[0], p[1]);
        continue;
      }
      context.beginPath();
      if (item.shape === 'circle') {
        context.arc(p[0], p[1], item.radius, 0, 2 * Math.PI);
      } else {
        context.moveTo(p[0], p[1]);
        for (let i = 2; i + 1 < p.length; i += 2) context.lineTo(p[i], p[i + 1]);
        if (item.closed) context.closePath();
      }
      if (item.fill) {
        setFill(item.fill);
        context.fill();
      }
      if (item.stroke) {
        if (item.stroke !== stroke) context.strokeStyle = stroke = item.stroke;
        if (item.strokeWidth !== width) context.lineWidth = width = item.strokeWidth;
        if (item.dash) context.setLineDash(item.dash);
        context.stroke();
        if (item.dash) context.setLineDash([]);
      }
    }
  }

  Object.assign(page, { drawDisplayList });
})(window.SkyCalcPage = window.SkyCalcPage || {});
