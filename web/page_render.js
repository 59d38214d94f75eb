// The page's renderers: a display list (the panel's drawings) on a canvas,
// and the two drawings still made here, the Moon's phase and an eclipse.
'use strict';

(function (page) {
  // The Moon's disc on a canvas, dark, with its lit part: the bright limb a
  // half circle on the Sun's side (the right while waxing), the terminator a
  // half ellipse whose half-width is |2 fraction - 1| of the radius.
  function drawMoon(canvas, fraction, waxing) {
    const context = canvas.getContext('2d'), r = canvas.width / 2 - 1, c = canvas.width / 2;
    context.fillStyle = '#484850';
    context.strokeStyle = '#707070';
    context.beginPath();
    context.arc(c, c, r, 0, 2 * Math.PI);
    context.fill();
    context.stroke();
    const side = waxing ? 1 : -1, bulge = 2 * fraction - 1, steps = 24;
    context.beginPath();
    for (let i = 0; i <= steps; ++i) {
      const t = Math.PI * i / steps;
      context.lineTo(c + side * r * Math.sin(t), c - r * Math.cos(t));
    }
    for (let i = 0; i <= steps; ++i) {
      const t = Math.PI * i / steps;
      context.lineTo(c - side * bulge * r * Math.sin(t), c + r * Math.cos(t));
    }
    context.fillStyle = '#f6dc60';
    context.fill();
  }

  // The eclipse at maximum seen from the site, the zenith up (View, radians):
  // the Moon's disc over the Sun's, or the Moon in the umbra and penumbra.
  function drawEclipse(canvas, e) {
    const p = canvas.getContext('2d'), w = canvas.width, h = canvas.height;
    p.fillStyle = e && e.lunar ? 'rgb(10,12,30)' : 'rgb(40,70,120)';
    p.fillRect(0, 0, w, h);
    if (!e || !e.shown) return;
    const v = e.view;
    const reach = Math.hypot(v.moonX, v.moonY) + v.moon;
    const extent = 1.15 * Math.max(reach, e.lunar ? Math.min(v.umbra, reach + v.moon) : v.sun);
    const scale = 0.5 * Math.min(w, h) / extent, cx = w / 2, cy = h / 2;
    const mx = cx + v.moonX * scale, my = cy - v.moonY * scale;
    const disc = (x, y, radius) => { const path = new Path2D(); path.arc(x, y, radius * scale, 0, 2 * Math.PI); return path; };
    if (e.lunar) {
      const moon = disc(mx, my, v.moon);
      p.fillStyle = 'rgb(250,240,200)';
      p.fill(moon);
      p.save();
      p.clip(moon);
      p.fillStyle = 'rgba(60,60,70,0.43)';
      p.fill(disc(cx, cy, v.penumbra));
      p.fillStyle = 'rgba(120,40,25,0.92)';
      p.fill(disc(cx, cy, v.umbra));
      p.restore();
      // Both edges of the shadow, so that a Moon in the penumbra alone is seen inside one.
      p.setLineDash([1, 2]);
      p.strokeStyle = 'rgb(150,150,165)';
      p.stroke(disc(cx, cy, v.penumbra));
      p.strokeStyle = 'rgb(200,90,70)';
      p.stroke(disc(cx, cy, v.umbra));
    } else {
      p.fillStyle = 'rgb(255,210,80)';
      p.fill(disc(cx, cy, v.sun));
      p.fillStyle = 'rgb(25,25,30)';
      p.fill(disc(mx, my, v.moon));
    }
  }

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
        context.stroke();
      }
    }
  }

  Object.assign(page, { drawMoon, drawEclipse, drawDisplayList });
})(window.SkyCalcPage = window.SkyCalcPage || {});
